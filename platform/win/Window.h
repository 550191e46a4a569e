#pragma once
// One window's state. The window manager owns it; everyone else names it by its HWND.
#include "platform/gfx/DisplayScale.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"
#include "platform/win/WindowClass.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace win {

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    std::string text;
    std::vector<unsigned char> extra; // cbWndExtra bytes

    Window* parent = nullptr;      // WS_CHILD windows only
    Window* owner = nullptr;       // top-level windows only
    std::vector<Window*> children; // front to back

    RECT rect{};   // whole window, in the parent's client coordinates (screen for top-levels)
    RECT client{}; // client area, relative to the window's top-left corner

    gfx::Region update; // client coordinates
    bool erasePending = false;
    bool framePending = false;
    bool redrawOn = true;
    bool captionActive = false;
    bool destroying = false;

    std::shared_ptr<gfx::Surface> surface; // top-level windows only; DCs share it
    gfx::Region dirty;                     // surface pixels not yet presented

    // Pixels kept for a top-level window; anything larger is never seen on a screen. They
    // are made when the window is first drawn while shown, so windows that never show
    // (tooltips, lists not yet dropped down) cost none.
    static constexpr LONG MaxSurfaceSide = 4096;
    SIZE SurfaceSize() const {
        return {std::min(Width(), MaxSurfaceSide), std::min(Height(), MaxSurfaceSide)};
    }
    void SizeSurface() {
        if (surface) {
            surface->Resize(SurfaceSize().cx, SurfaceSize().cy);
        }
    }
    gfx::Surface& EnsureSurface() {
        if (!surface) {
            surface = std::make_shared<gfx::Surface>(SurfaceSize().cx, SurfaceSize().cy,
                                                     gfx::DisplayScale());
        }
        return *surface;
    }

    bool IsChild() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }
    LONG Width() const { return rect.right - rect.left; }
    LONG Height() const { return rect.bottom - rect.top; }
    RECT ClientBounds() const {
        return {0, 0, client.right - client.left, client.bottom - client.top};
    }
};

} // namespace win
