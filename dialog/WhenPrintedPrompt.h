#pragma once
// Asking for a When Printed value: the clause's other names, upper-cased, are offered as the
// default in the When Printed variable dialog.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace whenprinted {

// Compares in any letter case.
bool IsPseudoName(std::string_view name);
// The names upper-cased, in order, without the pseudo name itself.
std::vector<std::string> DefaultChoices(const std::vector<std::string>& names);
// Shows the dialog modally: the value text after OK, nothing after Cancel.
std::optional<std::string> Ask(const std::vector<std::string>& names);

} // namespace whenprinted
