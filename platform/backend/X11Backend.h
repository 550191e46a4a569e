#pragma once
// A display on an X server through Xlib: one X window per top-level window (the window
// manager frames captioned ones; popups are override-redirect), the monotonic clock, real
// mouse and keyboard, and presentation through shared memory when the server is local.
#include "platform/win/Backend.h"

#include <memory>
#include <string>

namespace backend {

class X11Backend : public win::Backend {
  public:
    // Null when the display cannot be opened, does not answer in time or offers no TrueColor
    // visual the library can fill; why (when given) then says so in one line.
    // displayName null means $DISPLAY; shm false never tries shared memory.
    static std::unique_ptr<X11Backend> Open(const char* displayName = nullptr, bool shm = true,
                                            std::string* why = nullptr);
    ~X11Backend() override;
    X11Backend(const X11Backend&) = delete;
    X11Backend& operator=(const X11Backend&) = delete;

    DWORD Now() const override;
    SIZE ScreenSize() const override;
    void CreateNative(HWND hwnd, const RECT& rect) override;
    void MoveNative(HWND hwnd, const RECT& rect) override;
    void ShowNative(HWND hwnd, bool visible) override;
    void SetNativeTitle(HWND hwnd, const std::string& title) override;
    void DestroyNative(HWND hwnd) override;
    void Present(HWND hwnd, const gfx::Surface& surface, const gfx::Region& dirty) override;
    void SetCursorShape(HCURSOR cursor) override;
    bool FramesWindows() const override { return true; }
    bool CanReceiveInput() const override { return true; }
    bool WaitForInput(DWORD deadline) override;
    void OfferText(win::Selection which, const std::string& text) override;
    std::optional<std::string> ReadText(win::Selection which) override;

    // Handles every event that has arrived, without waiting; false when there was none.
    bool ProcessEvents();
    // The X window of a top-level window; 0 for none.
    unsigned long NativeWindow(HWND hwnd) const;
    bool UsesSharedMemory(HWND hwnd) const;
    // False once the server has gone away: every call is then a no-op and waiting fails.
    bool Connected() const;

  private:
    struct Impl;
    explicit X11Backend(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl;
};

} // namespace backend
