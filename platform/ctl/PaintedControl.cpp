#include "platform/ctl/PaintedControl.h"

namespace ctl {

bool TextAndFontMessage(HWND hwnd, HFONT& font, UINT msg, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) {
    auto repaint = [hwnd](bool now) {
        if (now) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
    };
    if (FontMessage(msg, wParam, lParam, font, result, repaint)) {
        return true;
    }
    switch (msg) {
    case WM_SETTEXT:
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
        break;
    case WM_ENABLE:
    case WM_STYLECHANGED:
        result = 0;
        break;
    default:
        return false;
    }
    repaint(true);
    return true;
}

} // namespace ctl
