#include "platform/win/FocusManager.h"

#include "platform/win/WindowManager.h"

namespace win {

namespace {

bool ChainEnabled(const Window* w) {
    for (; w; w = w->IsChild() ? w->parent : nullptr) {
        if (!w->Enabled()) {
            return false;
        }
    }
    return true;
}

} // namespace

bool FocusManager::CanActivate(const Window* w) {
    return w && w->Enabled() && !w->destroying && (w->exStyle & WS_EX_NOACTIVATE) == 0;
}

HWND FocusManager::SetFocus(HWND hwnd) {
    auto& wm = WindowManager::Get();
    const HWND old = wm.focus;
    Window* w = wm.Find(hwnd);
    if (hwnd && (!w || !ChainEnabled(w) || w->destroying)) {
        return nullptr;
    }
    if (w) {
        Window* root = WindowManager::Root(w);
        if (wm.active != root->handle &&
            (!Activate(root, WA_ACTIVE) || wm.active != root->handle || !wm.Find(hwnd))) {
            return nullptr;
        }
    }
    if (wm.focus == hwnd) {
        return wm.focus;
    }
    const HWND loser = wm.focus;
    wm.focus = hwnd;
    if (wm.Find(loser)) {
        wm.Send(loser, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    }
    if (hwnd && wm.focus == hwnd && wm.Find(hwnd)) {
        wm.Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(loser), 0);
    }
    return wm.Find(old) ? old : nullptr;
}

bool FocusManager::Activate(Window* top, WORD how) {
    auto& wm = WindowManager::Get();
    const HWND next = top ? top->handle : nullptr;
    const HWND old = wm.active;
    if (next == old) {
        return true;
    }
    if (top && !CanActivate(top)) {
        return false;
    }
    wm.active = next;
    if (wm.Find(old)) {
        wm.Send(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(next));
        wm.Send(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(next));
    }
    if (wm.active != next) {
        return false;
    }
    if (Window* w = wm.Find(next)) {
        wm.Reorder(w, HWND_TOP);
        wm.Send(next, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
        wm.Send(next, WM_ACTIVATE, how, reinterpret_cast<LPARAM>(old));
    }
    Window* focus = wm.Find(wm.focus);
    if (focus && WindowManager::Root(focus)->handle != wm.active) {
        SetFocus(nullptr);
    }
    return wm.active == next;
}

void FocusManager::ActivateNext(Window* leaving) {
    auto& wm = WindowManager::Get();
    if (wm.active != leaving->handle) {
        return;
    }
    Window* owner = leaving->owner;
    if (owner && WindowManager::IsShown(owner) && CanActivate(owner)) {
        Activate(owner, WA_ACTIVE);
        return;
    }
    for (Window* top : wm.TopLevels()) {
        if (top != leaving && top->Visible() && CanActivate(top) && top->owner != leaving) {
            Activate(top, WA_ACTIVE);
            return;
        }
    }
    Activate(nullptr, WA_INACTIVE);
}

bool FocusManager::ClickActivate(HWND hwnd, LRESULT hit, UINT message) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return false;
    }
    const HWND top = WindowManager::Root(w)->handle;
    if (wm.active == top) {
        return true;
    }
    const LRESULT answer = wm.Send(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                   MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) {
        if (Window* r = wm.Find(top)) {
            Activate(r, WA_CLICKACTIVE);
        }
    }
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT && wm.Find(hwnd);
}

HWND FocusManager::SetCapture(HWND hwnd) {
    auto& wm = WindowManager::Get();
    const HWND old = wm.Find(wm.capture) ? wm.capture : nullptr;
    if (!wm.Find(hwnd) || old == hwnd) {
        return old;
    }
    wm.capture = hwnd;
    if (old) {
        wm.Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    }
    return old;
}

bool FocusManager::ReleaseCapture() {
    auto& wm = WindowManager::Get();
    const HWND old = wm.capture;
    wm.capture = nullptr;
    if (wm.Find(old)) {
        wm.Send(old, WM_CAPTURECHANGED, 0, 0);
    }
    return true;
}

void FocusManager::Release(Window* w, bool destroying) {
    auto& wm = WindowManager::Get();
    const HWND hwnd = w->handle;
    if (WindowManager::IsAncestor(w, wm.Find(wm.capture))) {
        ReleaseCapture();
    }
    Window* focus = wm.Find(wm.focus);
    if ((w = wm.Find(hwnd)) && WindowManager::IsAncestor(w, focus)) {
        SetFocus(destroying && w->IsChild() ? w->parent->handle : nullptr);
        if ((w = wm.Find(hwnd)) && WindowManager::IsAncestor(w, wm.Find(wm.focus))) {
            SetFocus(nullptr);
        }
    }
    if ((w = wm.Find(hwnd)) && destroying && wm.active == hwnd) {
        ActivateNext(w);
    }
}

} // namespace win
