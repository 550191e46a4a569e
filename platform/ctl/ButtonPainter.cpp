#include "platform/ctl/ButtonPainter.h"

#include "platform/ctl/ControlSupport.h"

namespace ctl {

namespace {

constexpr int TextGap = 4;

void Frame(HDC dc, const RECT& r, int colour) {
    FrameRect(dc, &r, GetSysColorBrush(colour));
}

} // namespace

void ButtonPainter::PushFrame(HDC dc, RECT& r, bool isDefault, bool pushed) {
    if (isDefault) {
        Frame(dc, r, COLOR_WINDOWFRAME);
        InflateRect(&r, -1, -1);
    }
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (pushed && isDefault) {
        Frame(dc, r, COLOR_BTNSHADOW);
    } else {
        DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
    }
}

void ButtonPainter::PaintPush(HDC dc, RECT r, const ButtonLook& look) {
    const bool isDefault = (look.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const RECT whole = r;
    PushFrame(dc, r, isDefault, look.pushed);
    RECT text = whole;
    if (look.pushed) {
        OffsetRect(&text, 1, 1);
    }
    Caption(dc, text, look, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (look.focused) {
        RECT focus = whole;
        InflateRect(&focus, isDefault ? -4 : -3, isDefault ? -4 : -3);
        DrawFocusRect(dc, &focus);
    }
}

RECT ButtonPainter::BoxRect(const RECT& r, DWORD style) {
    const LONG top = r.top + (r.bottom - r.top - BoxSize) / 2;
    const LONG left = (style & BS_LEFTTEXT) ? r.right - BoxSize : r.left;
    return {left, top, left + BoxSize, top + BoxSize};
}

void ButtonPainter::PaintCheck(HDC dc, RECT r, const ButtonLook& look) {
    RECT box = BoxRect(r, look.style);
    DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT);
    RECT inside = box;
    InflateRect(&inside, -2, -2);
    const bool grey = look.pushed || look.disabled || look.check == BST_INDETERMINATE;
    FillRect(dc, &inside, GetSysColorBrush(grey ? COLOR_BTNFACE : COLOR_WINDOW));
    if (look.check != BST_UNCHECKED) {
        const bool dim = look.disabled || look.check == BST_INDETERMINATE;
        CheckMark(dc, box, GetSysColor(dim ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
    }
    RECT text = r;
    if (look.style & BS_LEFTTEXT) {
        text.right = box.left - TextGap;
    } else {
        text.left = box.right + TextGap;
    }
    Caption(dc, text, look, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (look.focused) {
        CheckFocus(dc, box, text, look);
    }
}

void ButtonPainter::CheckMark(HDC dc, const RECT& box, COLORREF colour) {
    // Seven columns, three pixels tall: down two steps, then up four.
    for (int c = 0; c < 7; ++c) {
        const int top = c <= 2 ? 5 + c : 9 - c;
        for (int k = 0; k < 3; ++k) {
            SetPixel(dc, box.left + 3 + c, box.top + top + k, colour);
        }
    }
}

void ButtonPainter::Caption(HDC dc, RECT r, const ButtonLook& look, UINT format) {
    if (look.text.empty()) {
        return;
    }
    UseFont(dc, look.font);
    SetBkMode(dc, TRANSPARENT);
    const bool push = (format & DT_CENTER) != 0;
    if (push) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    const int n = static_cast<int>(look.text.size());
    if (!look.disabled) {
        DrawTextA(dc, look.text.c_str(), n, &r, format);
        return;
    }
    RECT size = r;
    DrawTextA(dc, look.text.c_str(), n, &size, DT_SINGLELINE | DT_CALCRECT);
    const LONG w = size.right - size.left;
    const LONG h = size.bottom - size.top;
    const LONG x = push ? r.left + (r.right - r.left - w) / 2 : r.left;
    const LONG y = r.top + (r.bottom - r.top - h) / 2;
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(look.text.c_str()),
               static_cast<WPARAM>(n), x, y, w, h, DST_PREFIXTEXT | DSS_DISABLED);
}

void ButtonPainter::CheckFocus(HDC dc, const RECT& box, const RECT& text, const ButtonLook& look) {
    RECT focus = box;
    if (look.text.empty()) {
        // Without a caption the dotted frame goes inside the box, round the mark.
        InflateRect(&focus, -2, -2);
    } else {
        focus = text;
        DrawTextA(dc, look.text.c_str(), static_cast<int>(look.text.size()), &focus,
                  DT_SINGLELINE | DT_CALCRECT);
        OffsetRect(&focus, 0, (text.bottom - text.top - (focus.bottom - focus.top)) / 2);
        InflateRect(&focus, 1, 1);
    }
    DrawFocusRect(dc, &focus);
}

} // namespace ctl
