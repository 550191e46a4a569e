#include "platform/win/InputRouter.h"

#include "platform/win/FocusManager.h"
#include "platform/win/WindowManager.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace win {

namespace {

constexpr DWORD DoubleClickTime = 500;
constexpr int DoubleClickSize = 4;

UINT ButtonMessage(MouseButton b, bool down) {
    switch (b) {
    case MouseButton::Right:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::Middle:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

int ButtonKey(MouseButton b) {
    return b == MouseButton::Right    ? VK_RBUTTON
           : b == MouseButton::Middle ? VK_MBUTTON
                                      : VK_LBUTTON;
}

bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Deepest shown window under the point inside w (w's own rectangle already contains it).
Window* Descend(Window* w, POINT screen, const std::vector<HWND>& skip) {
    const POINT co = WindowManager::ClientOrigin(w);
    const POINT local{screen.x - co.x, screen.y - co.y};
    if (!Contains(w->ClientBounds(), local)) {
        return w;
    }
    for (Window* child : w->children) {
        if (!child->Visible() || !Contains(child->rect, local)) {
            continue;
        }
        if (std::find(skip.begin(), skip.end(), child->handle) != skip.end()) {
            continue;
        }
        return child->Enabled() ? Descend(child, screen, skip) : w;
    }
    return w;
}

Window* Candidate(POINT screen, const std::vector<HWND>& skip) {
    for (Window* top : WindowManager::Get().TopLevels()) {
        const RECT r = top->rect;
        if (!top->Visible() || !Contains(r, screen) ||
            std::find(skip.begin(), skip.end(), top->handle) != skip.end()) {
            continue;
        }
        return top->Enabled() ? Descend(top, screen, skip) : nullptr;
    }
    return nullptr;
}

} // namespace

InputRouter& InputRouter::Get() {
    static InputRouter router;
    return router;
}

HWND InputRouter::HitWindow(POINT screen, LRESULT* hit) {
    auto& wm = WindowManager::Get();
    std::vector<HWND> skip;
    while (Window* w = Candidate(screen, skip)) {
        const HWND h = w->handle;
        const LRESULT code = wm.Send(h, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (code != HTTRANSPARENT) {
            *hit = code;
            return wm.Find(h) ? h : nullptr;
        }
        skip.push_back(h);
    }
    *hit = HTNOWHERE;
    return nullptr;
}

short InputRouter::KeyState(int vk) const {
    if (vk < 0 || vk > 255) {
        return 0;
    }
    const BYTE k = keys[static_cast<std::size_t>(vk)];
    return static_cast<short>(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

WPARAM InputRouter::MouseFlags() const {
    WPARAM flags = 0;
    flags |= (keys[VK_LBUTTON] & 0x80) ? MK_LBUTTON : 0;
    flags |= (keys[VK_RBUTTON] & 0x80) ? MK_RBUTTON : 0;
    flags |= (keys[VK_MBUTTON] & 0x80) ? MK_MBUTTON : 0;
    flags |= (keys[VK_SHIFT] & 0x80) ? MK_SHIFT : 0;
    flags |= (keys[VK_CONTROL] & 0x80) ? MK_CONTROL : 0;
    return flags;
}

void InputRouter::TrackButtons(const InputEvent& e) {
    if (e.kind == InputKind::ButtonDown || e.kind == InputKind::ButtonUp) {
        BYTE& k = keys[static_cast<std::size_t>(ButtonKey(e.button))];
        k = static_cast<BYTE>(e.kind == InputKind::ButtonDown ? (k ^ 1) | 0x80 : k & 1);
    }
}

bool InputRouter::Route(const TimedInput& input, MSG* msg) {
    msg->time = input.time;
    msg->pt = input.event.pt;
    switch (input.event.kind) {
    case InputKind::KeyDown:
    case InputKind::KeyUp:
    case InputKind::Char:
        return RouteKey(input, msg);
    default:
        return RouteMouse(input, msg);
    }
}

UINT InputRouter::DoubleClick(UINT down, HWND hwnd, const TimedInput& input, bool client) {
    Window* w = WindowManager::Get().Find(hwnd);
    const bool allowed = !client || (w && (w->cls->style & CS_DBLCLKS));
    const POINT p = input.event.pt;
    const bool again = lastClick.message == down && lastClick.hwnd == hwnd &&
                       input.time - lastClick.time <= DoubleClickTime &&
                       std::abs(p.x - lastClick.pt.x) <= DoubleClickSize / 2 &&
                       std::abs(p.y - lastClick.pt.y) <= DoubleClickSize / 2;
    if (again && allowed) {
        lastClick = {};
        return down + 2;
    }
    lastClick = {down, hwnd, input.time, p};
    return down;
}

bool InputRouter::RouteMouse(const TimedInput& input, MSG* msg) {
    auto& wm = WindowManager::Get();
    const InputEvent& e = input.event;
    TrackButtons(e);
    if (e.kind == InputKind::Wheel) {
        msg->hwnd = wm.Find(wm.focus) ? wm.focus : wm.active;
        msg->message = WM_MOUSEWHEEL;
        msg->wParam = (MouseFlags() & 0xFFFF) | (static_cast<WPARAM>(e.wheelDelta & 0xFFFF) << 16);
        msg->lParam = MAKELPARAM(e.pt.x, e.pt.y);
        return wm.Find(msg->hwnd) != nullptr;
    }
    const bool down = e.kind == InputKind::ButtonDown;
    UINT message = e.kind == InputKind::MouseMove ? WM_MOUSEMOVE : ButtonMessage(e.button, down);
    LRESULT hit = HTCLIENT;
    HWND hwnd = wm.Find(wm.capture) ? wm.capture : HitWindow(e.pt, &hit);
    if (!hwnd) {
        return false;
    }
    const bool captured = hwnd == wm.capture;
    if (down && !captured) {
        if (!FocusManager::ClickActivate(hwnd, hit, message)) {
            return false;
        }
    }
    if (!captured) {
        wm.Send(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    }
    Window* w = wm.Find(hwnd);
    if (!w) {
        return false;
    }
    const bool client = captured || hit == HTCLIENT;
    if (down) {
        message = DoubleClick(message, hwnd, input, client);
    }
    msg->hwnd = hwnd;
    if (client) {
        const POINT co = WindowManager::ClientOrigin(w);
        msg->message = message;
        msg->wParam = MouseFlags();
        msg->lParam = MAKELPARAM(e.pt.x - co.x, e.pt.y - co.y);
    } else {
        msg->message = message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        msg->wParam = static_cast<WPARAM>(hit);
        msg->lParam = MAKELPARAM(e.pt.x, e.pt.y);
    }
    return true;
}

bool InputRouter::RouteKey(const TimedInput& input, MSG* msg) {
    auto& wm = WindowManager::Get();
    const InputEvent& e = input.event;
    const auto vk = static_cast<std::size_t>(e.key & 0xFF);
    const bool wasDown = (keys[vk] & 0x80) != 0;
    if (e.kind == InputKind::KeyDown) {
        keys[vk] = static_cast<BYTE>((wasDown ? keys[vk] : keys[vk] ^ 1) | 0x80);
    } else if (e.kind == InputKind::KeyUp) {
        keys[vk] = static_cast<BYTE>(keys[vk] & 1);
    }
    const bool hasFocus = wm.Find(wm.focus) != nullptr;
    msg->hwnd = hasFocus ? wm.focus : wm.active;
    if (!wm.Find(msg->hwnd)) {
        return false;
    }
    if (e.kind == InputKind::Char) {
        msg->message = WM_CHAR;
        msg->wParam = static_cast<unsigned char>(e.ch);
        msg->lParam = 1;
        return true;
    }
    const bool alt = (keys[VK_MENU] & 0x80) != 0 || (e.kind == InputKind::KeyUp && vk == VK_MENU);
    const bool sys = (alt && !(keys[VK_CONTROL] & 0x80)) || vk == VK_F10 || !hasFocus;
    const bool isDown = e.kind == InputKind::KeyDown;
    msg->message = isDown ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    msg->wParam = vk;
    LPARAM lp = 1;
    lp |= alt ? (1 << 29) : 0;
    lp |= (wasDown || !isDown) ? (1 << 30) : 0;
    lp |= isDown ? 0 : static_cast<LPARAM>(0x80000000u);
    msg->lParam = lp;
    return true;
}

} // namespace win
