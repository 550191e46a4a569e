#include "platform/ctl/ComboListWindow.h"

#include "platform/base/WinControls.h"

namespace ctl {

ATOM ComboListWindow::Register() {
    return ControlMap<ComboListWindow>::RegisterBuiltin(CS_DBLCLKS);
}

ComboListWindow::ComboListWindow(HWND window) : ListBoxControl(window, true) {}

LRESULT ComboListWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (Scrolling() && (msg == WM_MOUSEMOVE || msg == WM_LBUTTONUP)) {
        return ListBoxControl::Handle(msg, wParam, lParam);
    }
    switch (msg) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        combo = cs && cs->lpCreateParams ? static_cast<HWND>(cs->lpCreateParams) : GetParent(hwnd);
        SetColourTarget(combo);
        return ListBoxControl::Handle(msg, wParam, lParam);
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_SETFOCUS:
    case WM_KEYDOWN:
    case WM_CHAR:
        return 0;
    case WM_MOUSEMOVE:
        Hover(lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(lParam);
        return 0;
    case WM_LBUTTONUP:
        Up(lParam);
        return 0;
    case WM_CAPTURECHANGED:
        ListBoxControl::Handle(msg, wParam, lParam);
        if (IsWindow(hwnd) && reinterpret_cast<HWND>(lParam) != hwnd) {
            SendMessageA(combo, CLM_CANCEL, 0, 0);
        }
        return 0;
    default:
        return ListBoxControl::Handle(msg, wParam, lParam);
    }
}

// Hovering moves the highlight only; the combo box hears of it when the entry is picked.
void ComboListWindow::Hover(LPARAM point) {
    int index = 0;
    if (ItemAt(PointOf(point), &index) && index != CurSel()) {
        Select(index, false);
    }
}

void ComboListWindow::Press(LPARAM point) {
    POINT p = PointOf(point);
    RECT client;
    GetClientRect(hwnd, &client);
    if (p.x >= 0 && p.x < client.right && p.y >= 0 && p.y < client.bottom) {
        Hover(point);
        return;
    }
    POINT screen = p;
    ClientToScreen(hwnd, &screen);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const bool onFrame =
        screen.x >= wr.left && screen.x < wr.right && screen.y >= wr.top && screen.y < wr.bottom;
    if (!onFrame) {
        SendMessageA(combo, CLM_CANCEL, 0, 0);
    } else if (p.x >= client.right) {
        ScrollPress(p);
    }
}

void ComboListWindow::Up(LPARAM point) {
    int index = 0;
    if (ItemAt(PointOf(point), &index)) {
        SendMessageA(combo, CLM_PICK, static_cast<WPARAM>(index), 0);
    }
}

} // namespace ctl
