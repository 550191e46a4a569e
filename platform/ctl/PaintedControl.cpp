#include "platform/ctl/PaintedControl.h"

namespace ctl {

bool TextAndFontMessage(HWND hwnd, HFONT& font, UINT msg, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) {
    switch (msg) {
    case WM_SETTEXT:
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
        break;
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        result = 0;
        if (lParam == 0)
            return true;
        break;
    case WM_GETFONT:
        result = reinterpret_cast<LRESULT>(font);
        return true;
    case WM_ENABLE:
    case WM_STYLECHANGED:
        result = 0;
        break;
    default:
        return false;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

} // namespace ctl
