#include "platform/ctl/StaticControl.h"

#include "platform/ctl/ControlMap.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/PaintedControl.h"

#include <string>

namespace ctl {

namespace {

UINT TextFormat(DWORD style) {
    UINT format = DT_EXPANDTABS;
    const DWORD kind = style & SS_TYPEMASK;
    format |= kind == SS_CENTER ? DT_CENTER : kind == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    format |= kind == SS_LEFTNOWORDWRAP ? 0 : DT_WORDBREAK;
    format |= (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    return format;
}

bool IsTextKind(DWORD style) {
    const DWORD kind = style & SS_TYPEMASK;
    return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT || kind == SS_LEFTNOWORDWRAP;
}

std::string TextOf(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

ATOM StaticControl::Register() {
    return ControlMap<StaticControl>::RegisterBuiltin(CS_GLOBALCLASS);
}

LRESULT StaticControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (PaintMessage(hwnd, msg, result, [this](HDC dc) { Paint(dc); }) ||
        TextAndFontMessage(hwnd, font, msg, wParam, lParam, result)) {
        return result;
    }
    switch (msg) {
    case WM_NCHITTEST:
        // Labels let the mouse through to their parent unless they ask for clicks.
        return (StyleOf(hwnd) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void StaticControl::Paint(HDC dc) {
    const DWORD style = StyleOf(hwnd);
    RECT r = ClientRectOf(hwnd);
    const DWORD kind = style & SS_TYPEMASK;
    HBRUSH brush = AskColour(hwnd, dc, WM_CTLCOLORSTATIC);
    if (kind == SS_ETCHEDVERT || kind == SS_ETCHEDHORZ) {
        // The line keeps to the left or top edge: shadow first, highlight beside it.
        DrawEdge(dc, &r, EDGE_ETCHED, kind == SS_ETCHEDVERT ? BF_LEFT : BF_TOP);
        return;
    }
    if (kind == SS_ETCHEDFRAME) {
        DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
        return;
    }
    FillRect(dc, &r, brush);
    if (IsTextKind(style)) {
        PaintText(dc, r, style);
    }
}

void StaticControl::PaintText(HDC dc, RECT r, DWORD style) {
    const std::string text = TextOf(hwnd);
    if (text.empty()) {
        return;
    }
    UseFont(dc, font);
    if (!IsWindowEnabled(hwnd)) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat(style));
}

} // namespace ctl
