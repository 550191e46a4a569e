#pragma once
// Invalidation and painting. Every window clips its children and the siblings in front of
// it; all windows of one top-level window draw into that window's surface through DCs whose
// origin and clip region are computed here. What was drawn is presented when the queue idles.
#include "platform/win/Window.h"

namespace win {

class Painter {
  public:
    // The part of the window (client area or whole) that shows, in its root's surface pixels.
    static gfx::Region VisibleRegion(const Window* w, bool clientOnly);
    // rect in client coordinates, null for all of it.
    static void Invalidate(Window* w, const RECT* rect, bool erase, bool children, bool frame);
    static void Validate(Window* w, const RECT* rect, bool children);
    // Invalidates, with erasing and frames, whatever shows of root's tree inside area.
    static void InvalidateArea(Window* root, const gfx::Region& area);
    static bool NeedsPaint(const Window* w);
    // First window due for WM_PAINT, parents before children, front to back; frames that
    // alone need painting are painted on the way.
    static HWND NextToPaint(HWND filter);
    static void Update(HWND hwnd, bool children);
    // Sends the pending WM_ERASEBKGND now; the update region stays for WM_PAINT.
    static void EraseNow(HWND hwnd);
    static HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
    static HDC GetDC(HWND hwnd, bool whole);
    static int ReleaseDC(HDC hdc);
    static void Present();

  private:
    static HDC ScratchDC();
    static HDC MakeDC(Window* w, const gfx::Region& clip, POINT origin);
    static void PaintFrame(Window* w);
};

} // namespace win
