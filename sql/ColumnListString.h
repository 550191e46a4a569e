#pragma once
// The catalogue's column list format: every name followed by one tab.
#include <string>
#include <string_view>
#include <vector>

namespace qvsql {

// A last name without a tab behind it is dropped; a leading tab yields nothing;
// two tabs in a row yield an empty name.
std::vector<std::string> SplitColumnList(std::string_view columnList);

} // namespace qvsql
