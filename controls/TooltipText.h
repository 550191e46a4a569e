#pragma once
// Answers a tooltip's text request, in its ANSI or its wide form, with at most the 79
// characters its buffer holds besides the terminator.
#include "platform/base/CommCtrl.h"

#include <string_view>

namespace tooltiptext {

inline constexpr std::size_t limit = 79;

void CopyAnsi(std::string_view text, NMTTDISPINFOA& request);
// The host's code page is UTF-8: decoded as the drawing layer decodes it, with code points
// beyond the basic plane as two units; an invalid byte becomes U+FFFD.
void CopyWide(std::string_view text, NMTTDISPINFOW& request);
// Either form, by the request's code; any other request is left alone.
void Copy(std::string_view text, NMHDR& request);

} // namespace tooltiptext
