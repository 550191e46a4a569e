#include "dialog/CExCheckListBox.h"

#include "platform/sys/Utf8.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t tipChars = 79; // the request's buffer less its terminator

void CopyAnsi(const std::string& text, NMTTDISPINFOA& request) {
    const std::size_t n = std::min(text.size(), tipChars);
    std::memcpy(request.szText, text.data(), n);
    request.szText[n] = '\0';
    request.lpszText = request.szText;
}

// The host's code page is UTF-8; code points beyond the basic plane take two units.
void CopyWide(const std::string& text, NMTTDISPINFOW& request) {
    std::size_t out = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = gfx::DecodeUtf8(text, pos);
        const std::size_t units = c > 0xFFFF ? 2 : 1;
        if (out + units > tipChars) {
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

} // namespace

BEGIN_MESSAGE_MAP(CExCheckListBox, CCheckListBox)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFFu, &CExCheckListBox::OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFFu, &CExCheckListBox::OnToolTipText)
END_MESSAGE_MAP()

void CExCheckListBox::PreSubclassWindow() {
    CCheckListBox::PreSubclassWindow();
    EnableToolTips(TRUE);
}

INT_PTR CExCheckListBox::OnToolHitTest(CPoint point, TOOLINFOA* tool) const {
    if (!tool || GetCount() <= 0) {
        return -1;
    }
    BOOL outside = FALSE;
    const auto item = static_cast<int>(ItemFromPoint(point, outside));
    tool->hwnd = m_hWnd;
    tool->uId = static_cast<UINT_PTR>(item);
    tool->lpszText = LPSTR_TEXTCALLBACKA;
    GetItemRect(item, &tool->rect);
    return item;
}

BOOL CExCheckListBox::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
    if (!header) {
        return FALSE;
    }
    std::string text;
    GetText(static_cast<int>(header->idFrom), text);
    if (header->code == TTN_NEEDTEXTA) {
        CopyAnsi(text, *reinterpret_cast<NMTTDISPINFOA*>(header));
    } else if (!text.empty()) {
        CopyWide(text, *reinterpret_cast<NMTTDISPINFOW*>(header));
    }
    if (result) {
        *result = 0;
    }
    return TRUE;
}
