// Rectangles, coordinate mapping, metrics and system colours.
#include "platform/base/Saturate.h"
#include "platform/gfx/SysColors.h"
#include "platform/win/NonClient.h"
#include "platform/win/Painter.h"
#include "platform/win/WindowManager.h"

#include <utility>

using win::Window;
using win::WindowManager;

namespace {

constexpr int CaptionHeight = 18;
constexpr int ScrollBarSize = 16;
constexpr int HoverTime = 400;

// The metrics that do not depend on the screen.
constexpr std::pair<int, int> FixedMetrics[] = {
    {SM_CXVSCROLL, ScrollBarSize},
    {SM_CYHSCROLL, ScrollBarSize},
    {SM_CYVSCROLL, ScrollBarSize},
    {SM_CXHSCROLL, ScrollBarSize},
    {SM_CYVTHUMB, ScrollBarSize},
    {SM_CXHTHUMB, ScrollBarSize},
    {SM_CXSMICON, ScrollBarSize},
    {SM_CYSMICON, ScrollBarSize},
    {SM_CYCAPTION, CaptionHeight},
    {SM_CXSIZE, CaptionHeight},
    {SM_CYSIZE, CaptionHeight},
    {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},
    {SM_MOUSEPRESENT, 1},
    {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3},
    {SM_CMOUSEBUTTONS, 3},
    {SM_CXICON, 32},
    {SM_CYICON, 32},
    {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},
    {SM_CYMENU, 19},
    {SM_CXFRAME, 4},
    {SM_CYFRAME, 4},
    {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4},
    {SM_CXDRAG, 4},
    {SM_CYDRAG, 4},
    {SM_CXEDGE, 2},
    {SM_CYEDGE, 2},
    {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13},
};

POINT Offset(HWND hwnd, bool* ok) {
    if (!hwnd) {
        *ok = true;
        return {};
    }
    Window* w = WindowManager::Get().Find(hwnd);
    *ok = w != nullptr;
    return w ? WindowManager::ClientOrigin(w) : POINT{};
}

} // namespace

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w || !rect) {
        return FALSE;
    }
    const POINT o = WindowManager::WindowOrigin(w);
    *rect = {o.x, o.y, o.x + w->Width(), o.y + w->Height()};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w || !rect) {
        return FALSE;
    }
    *rect = w->ClientBounds();
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    if (!point || !IsWindow(hwnd)) {
        return FALSE;
    }
    MapWindowPoints(hwnd, nullptr, point, 1);
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    if (!point || !IsWindow(hwnd)) {
        return FALSE;
    }
    MapWindowPoints(nullptr, hwnd, point, 1);
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    bool fromOk = false;
    bool toOk = false;
    const POINT a = Offset(from, &fromOk);
    const POINT b = Offset(to, &toOk);
    if (!fromOk || !toOk || (!from && !to)) {
        return 0;
    }
    const LONG dx = base::AddClamped(a.x, -std::int64_t{b.x});
    const LONG dy = base::AddClamped(a.y, -std::int64_t{b.y});
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x = base::AddClamped(points[i].x, dx);
        points[i].y = base::AddClamped(points[i].y, dy);
    }
    return static_cast<int>(MAKELPARAM(dx, dy));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) {
        return FALSE;
    }
    const RECT in = win::NonClient::Insets(style, exStyle);
    *rect = {base::AddClamped(rect->left, -std::int64_t{in.left}),
             base::AddClamped(rect->top, -std::int64_t{in.top}),
             base::AddClamped(rect->right, in.right), base::AddClamped(rect->bottom, in.bottom)};
    return TRUE;
}

int GetSystemMetrics(int index) {
    const SIZE screen = WindowManager::Get().GetBackend().ScreenSize();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
        return screen.cx;
    case SM_CYSCREEN:
        return screen.cy;
    case SM_CYFULLSCREEN:
        return screen.cy - CaptionHeight;
    default:
        break;
    }
    for (const auto& [which, value] : FixedMetrics) {
        if (which == index) {
            return value;
        }
    }
    return 0;
}

BOOL SystemParametersInfoA(UINT action, UINT, void* data, UINT) {
    if (!data) {
        return FALSE;
    }
    if (action == SPI_GETWORKAREA) {
        const SIZE screen = WindowManager::Get().GetBackend().ScreenSize();
        *static_cast<RECT*>(data) = {0, 0, screen.cx, screen.cy};
        return TRUE;
    }
    if (action == SPI_GETMOUSEHOVERTIME) {
        *static_cast<UINT*>(data) = HoverTime;
        return TRUE;
    }
    return FALSE;
}

BOOL SetSysColors(int count, const int* indexes, const COLORREF* colours) {
    if (count <= 0 || !indexes || !colours) {
        return FALSE;
    }
    gfx::SetSysColorValues(count, indexes, colours);
    auto& wm = WindowManager::Get();
    std::vector<HWND> tops;
    for (Window* w : wm.TopLevels()) {
        tops.push_back(w->handle);
    }
    for (HWND top : tops) {
        wm.Send(top, WM_SYSCOLORCHANGE, 0, 0);
    }
    for (HWND top : tops) {
        RedrawWindow(top, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return TRUE;
}
