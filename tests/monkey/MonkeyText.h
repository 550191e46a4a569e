#pragma once
// Reading texts out of windows for the monkey's checks, and quoting them in its reports.
#include "platform/base/WinDef.h"

#include <string>
#include <vector>

namespace monkey {

std::string WindowText(HWND window);
std::vector<std::string> ComboEntries(HWND combo);
// "" when nothing is selected.
std::string ComboSelection(HWND combo);
std::string ClassName(HWND window);
// At most 300 characters of text, in double quotes.
std::string Quoted(const std::string& text);
// The first dozen entries of a list.
std::string Listed(const std::vector<std::string>& list);

} // namespace monkey
