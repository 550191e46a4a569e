// Moving, sizing, stacking, showing and enabling windows.
#include "platform/win/FocusManager.h"
#include "platform/win/Painter.h"
#include "platform/win/WindowManager.h"

#include <algorithm>

using win::Painter;
using win::Window;
using win::WindowManager;

namespace {

void Reframe(Window* w, const RECT& rect) {
    RECT r = rect;
    WindowManager::Get().Send(w->handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if ((w = WindowManager::Get().Find(w->handle))) {
        w->client = {r.left - rect.left, r.top - rect.top, std::max(r.left, r.right) - rect.left,
                     std::max(r.top, r.bottom) - rect.top};
    }
}

// Children share their top-level window's surface, so what they cover and uncover is
// repainted; a top-level window repaints itself only when its surface changed or was hidden.
void Repaint(Window* w, const gfx::Region& before, bool wasShown, bool reshaped) {
    if (w->IsChild()) {
        Window* root = WindowManager::Root(w);
        Painter::InvalidateArea(root, before);
        Painter::InvalidateArea(root, Painter::VisibleRegion(w, false));
    } else if (reshaped || !wasShown) {
        Painter::InvalidateArea(w, gfx::Region(RECT{0, 0, w->Width(), w->Height()}));
    }
}

void UpdateNative(Window* w, bool moved, bool sized, bool visibility) {
    if (w->IsChild()) {
        return;
    }
    auto& backend = WindowManager::Get().GetBackend();
    if (sized) {
        w->SizeSurface();
    }
    if (moved || sized) {
        backend.MoveNative(w->handle, w->rect);
    }
    if (visibility) {
        backend.ShowNative(w->handle, w->Visible());
    }
}

// SWP_NOMOVE and SWP_NOSIZE keep the current values, whatever the record says.
void KeepUnchanged(WINDOWPOS& pos, const Window& w) {
    if (pos.flags & SWP_NOMOVE) {
        pos.x = w.rect.left;
        pos.y = w.rect.top;
    }
    if (pos.flags & SWP_NOSIZE) {
        pos.cx = w.Width();
        pos.cy = w.Height();
    }
}

void Activation(Window* w, UINT flags, bool wasShown) {
    const bool shown = WindowManager::IsShown(w);
    if (w->IsChild()) {
        return;
    }
    if (shown && !(flags & SWP_NOACTIVATE)) {
        win::FocusManager::Activate(w, WA_ACTIVE);
    } else if (wasShown && !shown) {
        win::FocusManager::ActivateNext(w);
    }
}

} // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return FALSE;
    }
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    KeepUnchanged(pos, *w);
    if (!(flags & SWP_NOSENDCHANGING)) {
        wm.Send(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (!(w = wm.Find(hwnd))) {
            return FALSE;
        }
    }
    flags = pos.flags;
    KeepUnchanged(pos, *w);
    const RECT next = WindowManager::MakeRect(pos.x, pos.y, pos.cx, pos.cy);
    const bool moved = next.left != w->rect.left || next.top != w->rect.top;
    const bool sized =
        next.right - next.left != w->Width() || next.bottom - next.top != w->Height();
    const bool wasShown = WindowManager::IsShown(w);
    const gfx::Region before = Painter::VisibleRegion(w, false);
    if (sized || (flags & SWP_FRAMECHANGED)) {
        Reframe(w, next);
        if (!(w = wm.Find(hwnd))) {
            return FALSE;
        }
    }
    w->rect = next;
    if (!(flags & SWP_NOZORDER)) {
        wm.Reorder(w, pos.hwndInsertAfter);
    }
    const bool wasVisible = w->Visible();
    w->style = (flags & SWP_SHOWWINDOW) ? w->style | WS_VISIBLE : w->style;
    w->style = (flags & SWP_HIDEWINDOW) ? w->style & ~WS_VISIBLE : w->style;
    UpdateNative(w, moved, sized, wasVisible != w->Visible());
    const bool changed = moved || sized || wasVisible != w->Visible() || !(flags & SWP_NOZORDER) ||
                         (flags & SWP_FRAMECHANGED);
    if (changed && !(flags & SWP_NOREDRAW)) {
        Repaint(w, before, wasShown, sized || (flags & SWP_FRAMECHANGED));
    }
    pos.flags = flags | (moved ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);
    pos.x = next.left;
    pos.y = next.top;
    wm.Send(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if ((w = wm.Find(hwnd))) {
        Activation(w, flags, wasShown);
    }
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return FALSE;
    }
    const BOOL wasVisible = w->Visible() ? TRUE : FALSE;
    const bool show = command != SW_HIDE;
    const bool quiet = command == SW_SHOWNA || command == SW_SHOWNOACTIVATE;
    if (show == static_cast<bool>(wasVisible)) {
        if (show && !quiet && !w->IsChild()) {
            win::FocusManager::Activate(w, WA_ACTIVE);
        }
        return wasVisible;
    }
    wm.Send(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (!show || quiet || w->IsChild()) {
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    }
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = WindowManager::Get().Find(hwnd);
    return w && WindowManager::IsShown(w) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return FALSE;
    }
    const BOOL wasDisabled = w->Enabled() ? FALSE : TRUE;
    if ((enable != FALSE) == !wasDisabled) {
        return wasDisabled;
    }
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        win::FocusManager::Release(w, false);
    }
    wm.Send(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = WindowManager::Get().Find(hwnd);
    return w && w->Enabled() ? TRUE : FALSE;
}
