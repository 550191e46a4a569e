#include "platform/backend/HeadlessBackend.h"

#include "platform/gfx/DisplayScale.h"
#include "platform/gfx/Png.h"
#include "platform/gfx/SysColors.h"

#include <algorithm>

namespace backend {

HeadlessBackend::HeadlessBackend(SIZE size)
    : screen{std::max<LONG>(size.cx, 1), std::max<LONG>(size.cy, 1)} {
    gfx::SetDisplayScale(std::max(1, gfx::ScaleFromEnvironment()));
}

void HeadlessBackend::CreateNative(HWND hwnd, const RECT& rect) {
    natives[hwnd] = {rect, false, {}};
}

void HeadlessBackend::MoveNative(HWND hwnd, const RECT& rect) {
    if (auto it = natives.find(hwnd); it != natives.end()) {
        it->second.rect = rect;
    }
}

void HeadlessBackend::ShowNative(HWND hwnd, bool visible) {
    if (auto it = natives.find(hwnd); it != natives.end()) {
        it->second.visible = visible;
    }
}

void HeadlessBackend::SetNativeTitle(HWND hwnd, const std::string& title) {
    if (auto it = natives.find(hwnd); it != natives.end()) {
        it->second.title = title;
    }
}

void HeadlessBackend::DestroyNative(HWND hwnd) {
    natives.erase(hwnd);
    presented.erase(hwnd);
    mirrors.erase(hwnd);
}

const HeadlessBackend::NativeWindow* HeadlessBackend::Native(HWND hwnd) const {
    auto it = natives.find(hwnd);
    return it == natives.end() ? nullptr : &it->second;
}

void HeadlessBackend::Present(HWND hwnd, const gfx::Surface& surface, const gfx::Region& dirty) {
    ++presents;
    presented[hwnd].Union(dirty);
    if (!mirroring) {
        return;
    }
    gfx::Surface& mirror = mirrors[hwnd];
    if (mirror.Scale() != surface.Scale()) {
        mirror = gfx::Surface(surface.Width(), surface.Height(), surface.Scale());
    }
    mirror.Resize(surface.Width(), surface.Height());
    const int scale = surface.Scale();
    for (const RECT& r : dirty.Rects()) {
        const int left = std::clamp<int>(r.left * scale, 0, surface.PixelWidth());
        const int right = std::clamp<int>(r.right * scale, left, surface.PixelWidth());
        for (int y = std::max<int>(r.top * scale, 0);
             y < std::min<int>(r.bottom * scale, surface.PixelHeight()); ++y) {
            std::copy(surface.Row(y) + left, surface.Row(y) + right, mirror.Row(y) + left);
        }
    }
}

const gfx::Surface* HeadlessBackend::Shown(HWND hwnd) const {
    const auto found = mirrors.find(hwnd);
    return found == mirrors.end() ? nullptr : &found->second;
}

gfx::Region HeadlessBackend::TakePresented(HWND hwnd) {
    const auto found = presented.find(hwnd);
    if (found == presented.end()) {
        return {};
    }
    gfx::Region area = std::move(found->second);
    presented.erase(found);
    return area;
}

bool HeadlessBackend::WaitForInput(DWORD) {
    if (!script) {
        return false;
    }
    ScriptStep step = script;
    const bool more = step(*this);
    if (!more) {
        script = nullptr;
    }
    return more;
}

void HeadlessBackend::Pump() {
    win::PumpMessages();
}

void HeadlessBackend::AdvanceClock(DWORD ms) {
    const DWORD target = clock + ms;
    Pump();
    DWORD due = 0;
    bool stalled = false;
    while (win::NextTimerDue(&due) && static_cast<std::int32_t>(target - due) >= 0) {
        if (static_cast<std::int32_t>(due - clock) <= 0 && stalled) {
            break; // a timer that stays due is starved by endless work; stop here
        }
        stalled = static_cast<std::int32_t>(due - clock) <= 0;
        clock = stalled ? clock : due;
        Pump();
    }
    clock = target;
    Pump();
}

void HeadlessBackend::Inject(win::InputKind kind, win::MouseButton button) {
    win::InputEvent e;
    e.kind = kind;
    e.pt = pointer;
    e.button = button;
    win::QueueInput(e);
}

void HeadlessBackend::MoveMouse(int x, int y) {
    pointer = {std::clamp<LONG>(x, 0, screen.cx - 1), std::clamp<LONG>(y, 0, screen.cy - 1)};
    Inject(win::InputKind::MouseMove);
}

void HeadlessBackend::ButtonDown(win::MouseButton button) {
    Inject(win::InputKind::ButtonDown, button);
}

void HeadlessBackend::ButtonUp(win::MouseButton button) {
    Inject(win::InputKind::ButtonUp, button);
}

void HeadlessBackend::Click(int x, int y, win::MouseButton button) {
    MoveMouse(x, y);
    ButtonDown(button);
    ButtonUp(button);
}

void HeadlessBackend::ClickPixel(int x, int y) {
    Click(gfx::LogicalFromPixel(x), gfx::LogicalFromPixel(y));
}

void HeadlessBackend::DoubleClick(int x, int y) {
    Click(x, y);
    Click(x, y);
}

void HeadlessBackend::Wheel(int delta) {
    win::InputEvent e;
    e.kind = win::InputKind::Wheel;
    e.pt = pointer;
    e.wheelDelta = delta;
    win::QueueInput(e);
}

void HeadlessBackend::KeyDown(UINT vk) {
    win::InputEvent e;
    e.kind = win::InputKind::KeyDown;
    e.key = vk;
    win::QueueInput(e);
}

void HeadlessBackend::KeyUp(UINT vk) {
    win::InputEvent e;
    e.kind = win::InputKind::KeyUp;
    e.key = vk;
    win::QueueInput(e);
}

void HeadlessBackend::Key(UINT vk) {
    KeyDown(vk);
    KeyUp(vk);
}

void HeadlessBackend::Chord(std::initializer_list<UINT> modifiers, UINT vk) {
    for (UINT m : modifiers) {
        KeyDown(m);
    }
    Key(vk);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        KeyUp(*it);
    }
}

void HeadlessBackend::TypeText(std::string_view text) {
    for (char c : text) {
        win::InputEvent e;
        e.kind = win::InputKind::Char;
        e.ch = c;
        win::QueueInput(e);
    }
}

gfx::Surface HeadlessBackend::CaptureWindow(HWND hwnd) const {
    const gfx::Surface* s = win::WindowSurface(hwnd);
    return s ? *s : gfx::Surface{};
}

// At the display's scale; a window surface made at another scale is sampled to it.
gfx::Surface HeadlessBackend::CaptureScreen() const {
    const int scale = gfx::DisplayScale();
    gfx::Surface shot(screen.cx, screen.cy, scale);
    shot.Fill({0, 0, shot.PixelWidth(), shot.PixelHeight()}, GetSysColor(COLOR_DESKTOP));
    std::vector<HWND> tops = win::TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        const gfx::Surface* s = win::WindowSurface(*it);
        RECT r{};
        if (!s || !IsWindowVisible(*it) || !GetWindowRect(*it, &r)) {
            continue;
        }
        for (int y = 0; y < s->Height() * scale; ++y) {
            std::uint32_t* dest = shot.Row(r.top * scale + y);
            const std::uint32_t* src = s->Row(y * s->Scale() / scale);
            for (int x = 0; dest && x < s->Width() * scale; ++x) {
                const int at = r.left * scale + x;
                if (at >= 0 && at < shot.PixelWidth()) {
                    dest[at] = src[x * s->Scale() / scale];
                }
            }
        }
    }
    return shot;
}

bool HeadlessBackend::SaveWindowPng(HWND hwnd, const std::string& path) const {
    const gfx::Surface* s = win::WindowSurface(hwnd);
    return s && gfx::WritePng(*s, path);
}

bool HeadlessBackend::SaveScreenPng(const std::string& path) const {
    return gfx::WritePng(CaptureScreen(), path);
}

} // namespace backend
