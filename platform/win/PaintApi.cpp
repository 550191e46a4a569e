// Invalidation, validation and the paint cycle.
#include "platform/win/Painter.h"
#include "platform/win/WindowManager.h"

using win::Painter;
using win::Window;
using win::WindowManager;

namespace {

std::vector<HWND> Targets(HWND hwnd) {
    std::vector<HWND> targets;
    if (hwnd) {
        targets.push_back(hwnd);
        return targets;
    }
    for (Window* top : WindowManager::Get().TopLevels()) {
        targets.push_back(top->handle);
    }
    return targets;
}

} // namespace

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    return RedrawWindow(hwnd, rect, nullptr,
                        RDW_INVALIDATE | (erase ? RDW_ERASE : 0) | (hwnd ? 0 : RDW_ALLCHILDREN));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE);
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    if (erase) {
        Painter::EraseNow(hwnd);
    }
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w) {
        return FALSE;
    }
    if (rect) {
        *rect = w->update.IsEmpty() ? RECT{} : w->update.Bounds();
    }
    return w->update.IsEmpty() ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) {
        return FALSE;
    }
    Painter::Update(hwnd, true);
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    auto& wm = WindowManager::Get();
    if (region || (hwnd && !wm.Find(hwnd))) {
        return FALSE;
    }
    const bool children = (flags & RDW_ALLCHILDREN) != 0;
    for (HWND target : Targets(hwnd)) {
        Window* w = wm.Find(target);
        if (w && (flags & RDW_INVALIDATE)) {
            Painter::Invalidate(w, rect, (flags & RDW_ERASE) != 0, children,
                                (flags & RDW_FRAME) != 0);
        }
        if (w && (flags & RDW_VALIDATE)) {
            Painter::Validate(w, rect, children);
        }
        if (w && (flags & RDW_NOERASE)) {
            w->erasePending = false;
        }
        if (w && (flags & RDW_NOFRAME)) {
            w->framePending = false;
        }
        if (flags & RDW_UPDATENOW) {
            Painter::Update(target, (flags & RDW_NOCHILDREN) == 0);
        } else if (flags & RDW_ERASENOW) {
            Painter::EraseNow(target);
        }
    }
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    return Painter::BeginPaint(hwnd, paint);
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (!paint) {
        return FALSE;
    }
    Painter::ReleaseDC(paint->hdc);
    return IsWindow(hwnd);
}

HDC GetDC(HWND hwnd) {
    return Painter::GetDC(hwnd, false);
}

HDC GetWindowDC(HWND hwnd) {
    return Painter::GetDC(hwnd, true);
}

int ReleaseDC(HWND, HDC hdc) {
    return Painter::ReleaseDC(hdc);
}
