// Focus, activation, capture, the cursor and the keyboard state.
#include "platform/win/FocusManager.h"
#include "platform/win/InputRouter.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowManager.h"

#include <algorithm>
#include <array>

using win::FocusManager;
using win::Window;
using win::WindowManager;

namespace {

constexpr std::array<WORD, 8> StockCursors = {32512, 32513, 32514, 32515,
                                              32644, 32645, 32648, 32649};
constexpr std::uintptr_t CursorTag = 0x7C000000;

HWND Alive(HWND hwnd) {
    return WindowManager::Get().Find(hwnd) ? hwnd : nullptr;
}

} // namespace

HWND SetFocus(HWND hwnd) {
    return FocusManager::SetFocus(hwnd);
}

HWND GetFocus() {
    return Alive(WindowManager::Get().focus);
}

HWND SetActiveWindow(HWND hwnd) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    const HWND old = Alive(wm.active);
    if (!w) {
        return nullptr;
    }
    return FocusManager::Activate(WindowManager::Root(w), WA_ACTIVE) ? old : nullptr;
}

HWND GetActiveWindow() {
    return Alive(WindowManager::Get().active);
}

HWND SetCapture(HWND hwnd) {
    return FocusManager::SetCapture(hwnd);
}

BOOL ReleaseCapture() {
    return FocusManager::ReleaseCapture() ? TRUE : FALSE;
}

HWND GetCapture() {
    return Alive(WindowManager::Get().capture);
}

HWND WindowFromPoint(POINT point) {
    LRESULT hit = HTNOWHERE;
    return win::InputRouter::HitWindow(point, &hit);
}

BOOL GetCursorPos(POINT* point) {
    if (!point) {
        return FALSE;
    }
    *point = WindowManager::Get().cursorPos;
    return TRUE;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance || !name || !IS_INTRESOURCE(name)) {
        return nullptr;
    }
    const auto id = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
    if (std::find(StockCursors.begin(), StockCursors.end(), id) == StockCursors.end()) {
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(CursorTag | id);
}

HCURSOR SetCursor(HCURSOR cursor) {
    auto& wm = WindowManager::Get();
    const HCURSOR old = wm.cursor;
    if (cursor != old) {
        wm.cursor = cursor;
        wm.GetBackend().SetCursorShape(cursor);
    }
    return old;
}

short GetKeyState(int virtualKey) {
    return win::InputRouter::Get().KeyState(virtualKey);
}

UINT GetDoubleClickTime() {
    return 500;
}
