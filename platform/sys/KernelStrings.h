#pragma once
// The kernel's 8-bit string helpers. Only ASCII letters are folded, so UTF-8 sequences
// compare byte for byte.
#include "platform/base/WinDef.h"

#include <string_view>

namespace qvsql {

char FoldAscii(char c);
// Three-way comparison of two byte strings with ASCII letters folded to lower case.
int CompareNoCaseAscii(std::string_view a, std::string_view b);
// Copies text into a caller's buffer of max bytes, cut to fit and always terminated; the
// count copied. A null buffer or a size of 0 or less copies nothing.
int CopyToBuffer(std::string_view text, char* buffer, int max);

} // namespace qvsql

// Copies at most maxLength - 1 bytes and always terminates; a null source copies nothing.
LPSTR lstrcpynA(LPSTR dest, LPCSTR src, int maxLength);
// Negative, zero or positive; a null string orders before every other string.
int lstrcmpiA(LPCSTR a, LPCSTR b);
