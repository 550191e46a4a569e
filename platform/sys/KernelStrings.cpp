#include "platform/sys/KernelStrings.h"

#include <algorithm>
#include <cstring>

namespace qvsql {

int CopyToBuffer(std::string_view text, char* buffer, int max) {
    if (!buffer || max <= 0) {
        return 0;
    }
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(max - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareNoCaseAscii(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(FoldAscii(a[i]));
        const auto y = static_cast<unsigned char>(FoldAscii(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

} // namespace qvsql

LPSTR lstrcpynA(LPSTR dest, LPCSTR src, int maxLength) {
    if (dest == nullptr || maxLength <= 0) {
        return dest;
    }
    const std::size_t length =
        src == nullptr ? 0 : strnlen(src, static_cast<std::size_t>(maxLength) - 1);
    if (length > 0) {
        std::memcpy(dest, src, length);
    }
    dest[length] = '\0';
    return dest;
}

int lstrcmpiA(LPCSTR a, LPCSTR b) {
    if (a == nullptr || b == nullptr) {
        return (a == nullptr ? 0 : 1) - (b == nullptr ? 0 : 1);
    }
    return qvsql::CompareNoCaseAscii(a, b);
}
