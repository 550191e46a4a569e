// Rectangles, coordinate mapping, metrics and system colours.
#include "platform/gfx/SysColors.h"
#include "platform/win/NonClient.h"
#include "platform/win/Painter.h"
#include "platform/win/WindowManager.h"

using win::Window;
using win::WindowManager;

namespace {

constexpr int CaptionHeight = 18;
constexpr int ScrollBarSize = 16;
constexpr int HoverTime = 400;

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
    const LONG dx = a.x - b.x;
    const LONG dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(MAKELPARAM(dx, dy));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) {
        return FALSE;
    }
    const RECT in = win::NonClient::Insets(style, exStyle);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
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
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CXSMICON:
    case SM_CYSMICON:
        return ScrollBarSize;
    case SM_CYCAPTION:
    case SM_CXSIZE:
    case SM_CYSIZE:
        return CaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_MOUSEPRESENT:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFRAME:
    case SM_CYFRAME:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    default:
        return 0;
    }
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
