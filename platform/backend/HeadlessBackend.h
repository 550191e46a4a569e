#pragma once
// A display without a screen: a virtual screen, a clock that moves only when told, input
// injected by tests and scripts (routed exactly as on a display) and screenshots as PNG.
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/WindowSystem.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

namespace backend {

class HeadlessBackend : public win::Backend {
  public:
    explicit HeadlessBackend(SIZE screen = {1024, 768});

    DWORD Now() const override { return clock; }
    SIZE ScreenSize() const override { return screen; }
    void CreateNative(HWND hwnd, const RECT& rect) override;
    void MoveNative(HWND hwnd, const RECT& rect) override;
    void ShowNative(HWND hwnd, bool visible) override;
    void SetNativeTitle(HWND hwnd, const std::string& title) override;
    void DestroyNative(HWND hwnd) override;
    void Present(HWND hwnd, const gfx::Surface&, const gfx::Region& dirty) override;
    bool CanReceiveInput() const override { return static_cast<bool>(script); }
    // Plays the next script step; false (and no more input) once the script is done.
    bool WaitForInput(DWORD deadline) override;

    // Moves the clock, firing due timers in order and handling what they cause.
    void AdvanceClock(DWORD ms);
    // Moves the clock without handling anything, as while the application is busy.
    void MoveClock(DWORD ms) { clock += ms; }
    // Handles every waiting message, input event, paint and due timer.
    void Pump();

    // Input, in screen pixels and virtual-key codes; handled by the next Pump or loop turn.
    void MoveMouse(int x, int y);
    void MoveMouse(POINT p) { MoveMouse(p.x, p.y); }
    void ButtonDown(win::MouseButton button = win::MouseButton::Left);
    void ButtonUp(win::MouseButton button = win::MouseButton::Left);
    void Click(int x, int y, win::MouseButton button = win::MouseButton::Left);
    void Click(POINT p) { Click(p.x, p.y); }
    // A click at a pixel of the screen as it is shown, at the display's scale.
    void ClickPixel(int x, int y);
    void DoubleClick(int x, int y);
    void DoubleClick(POINT p) { DoubleClick(p.x, p.y); }
    void Wheel(int delta);
    void KeyDown(UINT vk);
    void KeyUp(UINT vk);
    void Key(UINT vk);
    // The key pressed while the modifiers are held: pressed in order, released in reverse.
    void Chord(std::initializer_list<UINT> modifiers, UINT vk);
    // Characters as a keyboard layout or input method delivers them, byte by byte.
    void TypeText(std::string_view text);

    // A script feeds modal loops: each call plays one step and answers whether more follow.
    using ScriptStep = std::function<bool(HeadlessBackend&)>;
    void SetScript(ScriptStep step) { script = std::move(step); }

    // A top-level window with its frame, or the whole screen with every visible window, in
    // the screen's pixels.
    gfx::Surface CaptureWindow(HWND hwnd) const;
    gfx::Surface CaptureScreen() const;
    bool SaveWindowPng(HWND hwnd, const std::string& path) const;
    bool SaveScreenPng(const std::string& path) const;

    struct NativeWindow {
        RECT rect{};
        bool visible = false;
        std::string title;
    };
    // Null for windows without a native counterpart.
    const NativeWindow* Native(HWND hwnd) const;
    int PresentCount() const { return presents; }
    // What has been presented of a top-level window since the last call, in its surface's
    // pixels (frame included).
    gfx::Region TakePresented(HWND hwnd);
    // Keeps, from now on, a copy of each top-level window as a display holds it: only what is
    // presented reaches it, so pixels drawn but never presented stay stale there.
    void MirrorPresents() { mirroring = true; }
    // The mirrored copy of a window; null when nothing of it was presented while mirroring.
    const gfx::Surface* Shown(HWND hwnd) const;

  private:
    void Inject(win::InputKind kind, win::MouseButton button = win::MouseButton::Left);

    SIZE screen;
    DWORD clock = 0;
    POINT pointer{};
    ScriptStep script;
    std::map<HWND, NativeWindow> natives;
    std::map<HWND, gfx::Region> presented;
    std::map<HWND, gfx::Surface> mirrors;
    bool mirroring = false;
    int presents = 0;
};

} // namespace backend
