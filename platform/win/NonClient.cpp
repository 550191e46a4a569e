#include "platform/win/NonClient.h"

#include "platform/gfx/Gdi.h"
#include "platform/win/WindowManager.h"

namespace win {

namespace {

constexpr int BorderWidth = 1;
constexpr int CaptionHeight = 18;
constexpr int ScrollBarWidth = 16;

bool IsTopLevel(DWORD style) {
    return (style & WS_CHILD) == 0;
}

bool PlatformCaption(DWORD style) {
    return IsTopLevel(style) && (style & WS_CAPTION) == WS_CAPTION &&
           !WindowManager::Get().GetBackend().FramesWindows();
}

bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

HFONT CaptionFont() {
    static HFONT font = [] {
        LOGFONTA lf;
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lf.lfWeight = FW_BOLD;
        return CreateFontIndirectA(&lf);
    }();
    return font;
}

void DrawCloseBox(HDC dc, const RECT& box) {
    RECT r = box;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    const int x = box.left + 4;
    const int y = box.top + 3;
    for (int d = 0; d < 2; ++d) {
        MoveToEx(dc, x + d, y, nullptr);
        LineTo(dc, x + d + 7, y + 7);
        MoveToEx(dc, x + d + 6, y, nullptr);
        LineTo(dc, x + d - 1, y + 7);
    }
}

} // namespace

RECT NonClient::Insets(DWORD style, DWORD exStyle) {
    RECT in{};
    const bool framedByBackend = IsTopLevel(style) && (style & WS_CAPTION) == WS_CAPTION &&
                                 WindowManager::Get().GetBackend().FramesWindows();
    const bool border = (style & (WS_BORDER | WS_DLGFRAME)) != 0 ||
                        (exStyle & WS_EX_DLGMODALFRAME) != 0 ||
                        (IsTopLevel(style) && (style & DS_MODALFRAME) != 0);
    if (border && !framedByBackend) {
        in = {BorderWidth, BorderWidth, BorderWidth, BorderWidth};
    }
    if (PlatformCaption(style)) {
        in.top += CaptionHeight;
    }
    if (style & WS_VSCROLL) {
        in.right += ScrollBarWidth;
    }
    return in;
}

bool NonClient::HasCaption(const Window& w) {
    return PlatformCaption(w.style);
}

RECT NonClient::CaptionRect(const Window& w) {
    if (!HasCaption(w)) {
        return {};
    }
    const LONG border = Insets(w.style, w.exStyle).left;
    return {border, border, w.Width() - border, border + CaptionHeight};
}

RECT NonClient::CloseBoxRect(const Window& w) {
    const RECT cap = CaptionRect(w);
    if (cap.bottom == cap.top || (w.style & WS_SYSMENU) == 0) {
        return {};
    }
    const int top = cap.top + 2;
    return {cap.right - 18, top, cap.right - 2, top + 14};
}

LRESULT NonClient::HitTest(const Window& w, POINT screen) {
    const POINT o = WindowManager::WindowOrigin(&w);
    const POINT p{screen.x - o.x, screen.y - o.y};
    if (!Inside({0, 0, w.Width(), w.Height()}, p)) {
        return HTNOWHERE;
    }
    if (Inside(w.client, p)) {
        return HTCLIENT;
    }
    if (Inside(CloseBoxRect(w), p)) {
        return HTCLOSE;
    }
    if (Inside(CaptionRect(w), p)) {
        return HTCAPTION;
    }
    if ((w.style & WS_VSCROLL) && p.x >= w.client.right && p.y >= w.client.top &&
        p.y < w.client.bottom) {
        return HTVSCROLL;
    }
    return HTBORDER;
}

void NonClient::Paint(HWND hwnd) {
    Window* w = WindowManager::Get().Find(hwnd);
    HDC dc = w ? GetWindowDC(hwnd) : nullptr;
    if (!dc) {
        return;
    }
    const RECT in = Insets(w->style, w->exStyle);
    if (in.left > 0) {
        RECT all{0, 0, w->Width(), w->Height()};
        FrameRect(dc, &all, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    if (w->style & WS_VSCROLL) {
        RECT bar{w->client.right, w->client.top, w->Width() - in.left, w->client.bottom};
        FillRect(dc, &bar, GetSysColorBrush(COLOR_SCROLLBAR));
    }
    if (HasCaption(*w)) {
        RECT cap = CaptionRect(*w);
        const bool on = w->captionActive;
        FillRect(dc, &cap, GetSysColorBrush(on ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        const RECT box = CloseBoxRect(*w);
        cap.left += 3;
        cap.right = box.right > box.left ? box.left - 2 : cap.right - 2;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(on ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        SelectObject(dc, CaptionFont());
        DrawTextA(dc, w->text.c_str(), -1, &cap,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (box.right > box.left) {
            DrawCloseBox(dc, box);
        }
    }
    ReleaseDC(hwnd, dc);
}

} // namespace win
