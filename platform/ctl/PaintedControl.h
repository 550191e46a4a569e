#pragma once
// Messages that every self-painting control answers alike.
#include "platform/win/WinUser.h"

#include <type_traits>

namespace ctl {

// WM_PAINT through paint(dc) or paint(dc, dirty rectangle) between BeginPaint and EndPaint, and
// WM_ERASEBKGND through erase(dc), answered as done. True when msg was one of them; result
// holds the answer.
template <class PaintFn, class EraseFn>
bool PaintMessage(HWND hwnd, UINT msg, WPARAM wParam, LRESULT& result, PaintFn paint,
                  EraseFn erase) {
    if (msg == WM_ERASEBKGND) {
        erase(reinterpret_cast<HDC>(wParam));
        result = 1;
        return true;
    }
    if (msg != WM_PAINT) {
        return false;
    }
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(hwnd, &ps)) {
        if constexpr (std::is_invocable_v<PaintFn, HDC, const RECT&>) {
            paint(dc, ps.rcPaint);
        } else {
            paint(dc);
        }
    }
    EndPaint(hwnd, &ps);
    result = 0;
    return true;
}

// The same for a control that paints every pixel itself and so erases nothing.
template <class PaintFn> bool PaintMessage(HWND hwnd, UINT msg, LRESULT& result, PaintFn paint) {
    return PaintMessage(hwnd, msg, 0, result, paint, [](HDC) {});
}

// WM_SETFONT and WM_GETFONT: font is the control's, changed(redrawNow) follows a new one.
// True when msg was one of them; result holds the answer.
template <class ChangedFn>
bool FontMessage(UINT msg, WPARAM wParam, LPARAM lParam, HFONT& font, LRESULT& result,
                 ChangedFn changed) {
    if (msg == WM_GETFONT) {
        result = reinterpret_cast<LRESULT>(font);
        return true;
    }
    if (msg != WM_SETFONT) {
        return false;
    }
    font = reinterpret_cast<HFONT>(wParam);
    result = 0;
    changed(LOWORD(static_cast<WPARAM>(lParam)) != 0);
    return true;
}

// The text, font, enable and style changes that only ask for a repaint; font is the control's.
bool TextAndFontMessage(HWND hwnd, HFONT& font, UINT msg, WPARAM wParam, LPARAM lParam,
                        LRESULT& result);

} // namespace ctl
