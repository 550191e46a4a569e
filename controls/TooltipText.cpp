#include "controls/TooltipText.h"

#include "platform/sys/Utf8.h"

#include <algorithm>

namespace tooltiptext {

void CopyAnsi(std::string_view text, NMTTDISPINFOA& request) {
    const std::size_t n = std::min(text.size(), limit);
    std::copy_n(text.begin(), n, request.szText);
    request.szText[n] = '\0';
    request.lpszText = request.szText;
}

void CopyWide(std::string_view text, NMTTDISPINFOW& request) {
    std::size_t out = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = gfx::DecodeUtf8(text, pos);
        const std::size_t units = c > 0xFFFF ? 2 : 1;
        if (out + units > limit) {
            break;
        }
        if (units == 2) {
            const char32_t v = c - 0x10000;
            request.szText[out++] = static_cast<WCHAR>(0xD800 + (v >> 10));
            request.szText[out++] = static_cast<WCHAR>(0xDC00 + (v & 0x3FF));
        } else {
            request.szText[out++] = static_cast<WCHAR>(c);
        }
    }
    request.szText[out] = 0;
    request.lpszText = request.szText;
}

void Copy(std::string_view text, NMHDR& request) {
    if (request.code == TTN_NEEDTEXTA) {
        CopyAnsi(text, reinterpret_cast<NMTTDISPINFOA&>(request));
    } else if (request.code == TTN_NEEDTEXTW) {
        CopyWide(text, reinterpret_cast<NMTTDISPINFOW&>(request));
    }
}

} // namespace tooltiptext
