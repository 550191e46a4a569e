#pragma once
// When Printed values in a statement: {'prompt'|'default'}, asked for when a label prints.
#include <string>
#include <string_view>

inline constexpr const char* WhenPrintedName = "{WHEN PRINTED}";

// The statement as it runs when the user accepts every default.
std::string ReplaceWhenPrinted(std::string_view sql);
