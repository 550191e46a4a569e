// Creating and destroying windows.
#include "platform/win/ClassRegistry.h"
#include "platform/win/FocusManager.h"
#include "platform/win/TimerList.h"
#include "platform/win/WindowManager.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

using win::Window;
using win::WindowManager;

namespace {

win::CreationHook& CreationHookSlot() {
    static win::CreationHook hook;
    return hook;
}

RECT InitialRect(int x, int y, int cx, int cy, bool child) {
    const SIZE screen = WindowManager::Get().GetBackend().ScreenSize();
    if (x == CW_USEDEFAULT) {
        x = 0;
        y = 0;
    }
    if (cx == CW_USEDEFAULT) {
        cx = child ? 0 : screen.cx / 2;
        cy = child ? 0 : screen.cy / 2;
    }
    return WindowManager::MakeRect(x, y, cx, cy);
}

std::unique_ptr<Window> NewWindow(std::shared_ptr<win::WindowClass> cls, DWORD exStyle, DWORD style,
                                  HWND parent, HMENU menu, HINSTANCE instance) {
    auto& wm = WindowManager::Get();
    Window* link = wm.Find(parent);
    auto w = std::make_unique<Window>();
    w->proc = cls->proc;
    w->extra.assign(static_cast<std::size_t>(cls->windowExtra), 0);
    w->cls = std::move(cls);
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->instance = instance;
    if (style & WS_CHILD) {
        w->parent = link;
        w->id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        w->owner = link ? WindowManager::Root(link) : nullptr;
    }
    return w;
}

// WM_NCCALCSIZE then WM_CREATE; false when WM_CREATE refuses.
bool SendCreation(HWND hwnd, CREATESTRUCTA& cs) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return false;
    }
    RECT r = w->rect;
    wm.Send(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if (!(w = wm.Find(hwnd))) {
        return false;
    }
    w->client = {r.left - w->rect.left, r.top - w->rect.top, r.right - w->rect.left,
                 r.bottom - w->rect.top};
    return wm.Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) != -1;
}

void MarkDestroying(Window* w) {
    w->destroying = true;
    for (Window* child : w->children) {
        MarkDestroying(child);
    }
}

std::vector<HWND> Handles(const std::vector<Window*>& list) {
    std::vector<HWND> handles;
    for (Window* w : list) {
        handles.push_back(w->handle);
    }
    return handles;
}

void SendDestroy(HWND hwnd) {
    auto& wm = WindowManager::Get();
    wm.Send(hwnd, WM_DESTROY, 0, 0);
    if (Window* w = wm.Find(hwnd)) {
        for (HWND child : Handles(w->children)) {
            SendDestroy(child);
        }
    }
}

void Free(HWND hwnd) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return;
    }
    for (HWND child : Handles(w->children)) {
        Free(child);
    }
    win::TimerList::Get().KillAll(hwnd);
    wm.Send(hwnd, WM_NCDESTROY, 0, 0);
    if (!(w = wm.Find(hwnd))) {
        return;
    }
    for (Window* top : wm.TopLevels()) {
        if (top->owner == w) {
            top->owner = nullptr;
        }
    }
    wm.Unlink(w);
    if (!w->IsChild()) {
        wm.GetBackend().DestroyNative(hwnd);
    }
    w->cls->windowCount--;
    wm.Remove(w);
}

// A new window of cls in the window list, with its native window when it is a top-level
// one; null when the creation hook destroyed it. at holds x, y, width and height.
HWND Place(std::shared_ptr<win::WindowClass> cls, DWORD exStyle, DWORD style, RECT at, HWND parent,
           HMENU menu, HINSTANCE instance) {
    auto& wm = WindowManager::Get();
    auto owned = NewWindow(std::move(cls), exStyle, style, parent, menu, instance);
    Window* w = owned.get();
    w->rect = InitialRect(at.left, at.top, at.right, at.bottom, (style & WS_CHILD) != 0);
    w->client = w->ClientBounds();
    if (!wm.Add(std::move(owned))) {
        return nullptr;
    }
    const HWND hwnd = w->handle;
    w->cls->windowCount++;
    wm.Link(w);
    if (!w->IsChild()) {
        wm.GetBackend().CreateNative(hwnd, w->rect);
    }
    if (CreationHookSlot()) {
        CreationHookSlot()(hwnd);
    }
    return wm.Find(hwnd) ? hwnd : nullptr;
}

// The size and place a created window starts with, and its showing under WS_VISIBLE.
void Announce(HWND hwnd, DWORD style) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return;
    }
    const RECT c = w->ClientBounds();
    wm.Send(hwnd, WM_SIZE, 0, MAKELPARAM(c.right, c.bottom));
    if ((w = wm.Find(hwnd))) {
        wm.Send(hwnd, WM_MOVE, 0,
                MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    }
    if ((style & WS_VISIBLE) && wm.Find(hwnd)) {
        ShowWindow(hwnd, SW_SHOW);
    }
}

} // namespace

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param) {
    auto& wm = WindowManager::Get();
    auto cls = win::ClassRegistry::Get().Find(className);
    if (!cls || (parent && !wm.Find(parent)) || ((style & WS_CHILD) && !parent)) {
        return nullptr;
    }
    if ((style & (WS_CHILD | WS_POPUP)) == 0) {
        style |= WS_CAPTION;
    }
    const HWND hwnd = Place(cls, exStyle, style, {x, y, width, height}, parent, menu, instance);
    Window* w = wm.Find(hwnd);
    if (!w) {
        return nullptr;
    }
    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cx = w->Width();
    cs.cy = w->Height();
    cs.x = w->rect.left;
    cs.y = w->rect.top;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!wm.Send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        Free(hwnd);
        return nullptr;
    }
    if (!SendCreation(hwnd, cs)) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    Announce(hwnd, style);
    return wm.Find(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w || w->destroying) {
        return FALSE;
    }
    MarkDestroying(w);
    if (w->Visible()) {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (HWND top : Handles(wm.TopLevels())) {
        Window* t = wm.Find(top);
        if (t && t->owner && t->owner->handle == hwnd) {
            DestroyWindow(top);
        }
    }
    if ((w = wm.Find(hwnd))) {
        win::FocusManager::Release(w, true);
    }
    SendDestroy(hwnd);
    Free(hwnd);
    return TRUE;
}

void win::SetCreationHook(CreationHook hook) {
    CreationHookSlot() = std::move(hook);
}
