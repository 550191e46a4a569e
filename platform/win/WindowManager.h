#pragma once
// Owner of every window: the checked handle table, the z-order of top-level windows, the
// focus, activation and capture holders, and the backend.
#include "platform/base/HandleTable.h"
#include "platform/win/Backend.h"
#include "platform/win/Window.h"

#include <memory>
#include <vector>

namespace win {

class WindowManager {
  public:
    static WindowManager& Get();

    Window* Find(HWND hwnd) const;
    // Registers the window and gives it its handle; false when the table is full.
    bool Add(std::unique_ptr<Window> window);
    // The handle goes stale at once; the memory lives until no message is being handled.
    void Remove(Window* window);
    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    Backend& GetBackend() { return *backend; }
    void SetBackend(std::unique_ptr<Backend> b);

    // Siblings of a window, front to back (top-level windows share one list).
    std::vector<Window*>& Siblings(Window* w) { return w->IsChild() ? w->parent->children : tops; }
    std::vector<Window*>& TopLevels() { return tops; }
    void Link(Window* w);
    void Unlink(Window* w);
    // Moves a window in its sibling list: HWND_TOP, HWND_BOTTOM or after a sibling. Owned
    // top-level windows stay in front of their owner; WS_EX_TOPMOST ones in front of the rest.
    void Reorder(Window* w, HWND insertAfter);

    // A window rectangle from position and size, clamped to 16-bit coordinates and sizes
    // of at least 0.
    static RECT MakeRect(int x, int y, int cx, int cy);
    static Window* Root(Window* w);
    static bool IsAncestor(const Window* ancestor, const Window* w);
    // Top-left corners in screen coordinates.
    static POINT WindowOrigin(const Window* w);
    static POINT ClientOrigin(const Window* w);
    // The window's top-left corner in its top-level window's surface.
    static POINT SurfaceOrigin(const Window* w);
    // Visible and every ancestor visible.
    static bool IsShown(const Window* w);

    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HCURSOR cursor = nullptr;
    POINT cursorPos{};

  private:
    WindowManager();
    void Release();

    gfx::HandleTable<Window> table{0xA};
    std::vector<Window*> tops;
    std::vector<std::unique_ptr<Window>> graveyard;
    std::unique_ptr<Backend> backend;
    int depth = 0;
};

} // namespace win
