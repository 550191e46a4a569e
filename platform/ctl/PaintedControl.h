#pragma once
// Messages that every self-painting control answers alike.
#include "platform/win/WinUser.h"

namespace ctl {

// WM_PAINT through paint(dc), and WM_ERASEBKGND answered as done: the control paints every
// pixel itself. True when msg was one of them; result holds the answer.
template <class PaintFn> bool PaintMessage(HWND hwnd, UINT msg, LRESULT& result, PaintFn paint) {
    if (msg == WM_ERASEBKGND) {
        result = 1;
        return true;
    }
    if (msg != WM_PAINT)
        return false;
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(hwnd, &ps))
        paint(dc);
    EndPaint(hwnd, &ps);
    result = 0;
    return true;
}

// The text, font, enable and style changes that only ask for a repaint; font is the control's.
bool TextAndFontMessage(HWND hwnd, HFONT& font, UINT msg, WPARAM wParam, LPARAM lParam,
                        LRESULT& result);

} // namespace ctl
