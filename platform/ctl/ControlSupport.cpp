#include "platform/ctl/ControlSupport.h"

namespace ctl {

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

RECT ClientRectOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

bool HasFocus(HWND hwnd) {
    return hwnd && GetFocus() == hwnd;
}

HBRUSH AskColour(HWND hwnd, HDC dc, UINT msg) {
    const auto wp = reinterpret_cast<WPARAM>(dc);
    const auto lp = reinterpret_cast<LPARAM>(hwnd);
    HWND parent = GetParent(hwnd);
    LRESULT brush = parent ? SendMessageA(parent, msg, wp, lp) : 0;
    if (!brush) {
        brush = DefWindowProcA(hwnd, msg, wp, lp);
    }
    return reinterpret_cast<HBRUSH>(brush);
}

void Notify(HWND hwnd, UINT code) {
    HWND parent = GetParent(hwnd);
    if (parent) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), static_cast<int>(code)),
                     reinterpret_cast<LPARAM>(hwnd));
    }
}

void UseFont(HDC dc, HFONT font) {
    if (font) {
        SelectObject(dc, font);
    }
}

int FontHeight(HWND hwnd, HFONT font, int fallback) {
    HDC dc = GetDC(hwnd);
    UseFont(dc, font);
    TEXTMETRICA tm{};
    const BOOL ok = GetTextMetricsA(dc, &tm);
    ReleaseDC(hwnd, dc);
    return ok ? static_cast<int>(tm.tmHeight) : fallback;
}

void FillDither(HDC dc, const RECT& r, COLORREF a, COLORREF b) {
    HBRUSH base = CreateSolidBrush(a);
    FillRect(dc, &r, base);
    DeleteObject(base);
    for (LONG y = r.top; y < r.bottom; ++y) {
        for (LONG x = r.left + ((r.left + y + 1) & 1); x < r.right; x += 2) {
            SetPixel(dc, x, y, b);
        }
    }
}

void DrawArrowGlyph(HDC dc, const RECT& r, Arrow direction, int rows, COLORREF colour) {
    const bool vertical = direction == Arrow::Up || direction == Arrow::Down;
    const int across = 2 * rows - 1;
    const int w = vertical ? across : rows;
    const int h = vertical ? rows : across;
    const int x0 = r.left + (r.right - r.left - w) / 2;
    const int y0 = r.top + (r.bottom - r.top - h) / 2;
    HBRUSH brush = CreateSolidBrush(colour);
    for (int i = 0; i < rows; ++i) {
        // Row i counted from the point of the arrow.
        const int span = 2 * i + 1;
        const int off = rows - 1 - i;
        RECT line{};
        switch (direction) {
        case Arrow::Up:
            line = {x0 + off, y0 + i, x0 + off + span, y0 + i + 1};
            break;
        case Arrow::Down:
            line = {x0 + off, y0 + rows - 1 - i, x0 + off + span, y0 + rows - i};
            break;
        case Arrow::Left:
            line = {x0 + i, y0 + off, x0 + i + 1, y0 + off + span};
            break;
        case Arrow::Right:
            line = {x0 + rows - 1 - i, y0 + off, x0 + rows - i, y0 + off + span};
            break;
        }
        FillRect(dc, &line, brush);
    }
    DeleteObject(brush);
}

} // namespace ctl
