// The default answers every window falls back on.
#include "platform/gfx/Gdi.h"
#include "platform/win/NonClient.h"
#include "platform/win/WindowManager.h"

#include <algorithm>
#include <cstring>

using win::Window;
using win::WindowManager;

namespace {

// The window whose close box is being pressed.
HWND closePressed = nullptr;

LRESULT CopyText(const Window& w, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0) {
        return 0;
    }
    const std::size_t n = std::min<std::size_t>(w.text.size(), size - 1);
    std::memcpy(out, w.text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT SetText(Window& w, LPARAM text) {
    const auto* s = reinterpret_cast<const char*>(text);
    w.text = s && !IS_INTRESOURCE(s) ? s : "";
    if (!w.IsChild()) {
        WindowManager::Get().GetBackend().SetNativeTitle(w.handle, w.text);
    }
    if (win::NonClient::HasCaption(w)) {
        w.framePending = true;
    }
    return TRUE;
}

LRESULT CalcSize(const Window& w, LPARAM lParam) {
    auto* r = reinterpret_cast<RECT*>(lParam);
    if (r) {
        const RECT in = win::NonClient::Insets(w.style, w.exStyle);
        r->left += in.left;
        r->top += in.top;
        r->right = std::max(r->left, r->right - in.right);
        r->bottom = std::max(r->top, r->bottom - in.bottom);
    }
    return 0;
}

LRESULT Erase(const Window& w, WPARAM hdc) {
    if (!w.cls->background) {
        return 0;
    }
    RECT r = w.ClientBounds();
    FillRect(reinterpret_cast<HDC>(hdc), &r, w.cls->background);
    return 1;
}

LRESULT Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT AskParent(const Window& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    return w.IsChild() ? SendMessageA(w.parent->handle, msg, wParam, lParam) : 0;
}

LRESULT SetCursorDefault(const Window& w, WPARAM wParam, LPARAM lParam) {
    if (AskParent(w, WM_SETCURSOR, wParam, lParam)) {
        return TRUE;
    }
    const HWND hwnd = w.handle;
    if (LOWORD(static_cast<WPARAM>(lParam)) == HTCLIENT) {
        if (Window* alive = WindowManager::Get().Find(hwnd); alive && alive->cls->cursor) {
            SetCursor(alive->cls->cursor);
        }
        return FALSE;
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return FALSE;
}

LRESULT WindowPosChanged(const Window& w, LPARAM lParam) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    const HWND hwnd = w.handle;
    const LPARAM size = MAKELPARAM(w.client.right - w.client.left, w.client.bottom - w.client.top);
    const LPARAM origin = MAKELPARAM(w.rect.left + w.client.left, w.rect.top + w.client.top);
    if (pos && !(pos->flags & SWP_NOMOVE)) {
        SendMessageA(hwnd, WM_MOVE, 0, origin);
    }
    if (pos && !(pos->flags & SWP_NOSIZE)) {
        SendMessageA(hwnd, WM_SIZE, 0, size);
    }
    return 0;
}

LRESULT ForwardToChildren(const Window& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::vector<HWND> children;
    for (Window* child : w.children) {
        children.push_back(child->handle);
    }
    for (HWND child : children) {
        SendMessageA(child, msg, wParam, lParam);
    }
    return 0;
}

LRESULT ControlColour(UINT msg, WPARAM hdc) {
    const bool field = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    const int back = field ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(reinterpret_cast<HDC>(hdc), GetSysColor(field ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(reinterpret_cast<HDC>(hdc), GetSysColor(back));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(back));
}

bool InCloseBox(const Window& w, LPARAM clientPoint) {
    const POINT co = WindowManager::ClientOrigin(&w);
    const POINT wo = WindowManager::WindowOrigin(&w);
    const RECT box = win::NonClient::CloseBoxRect(w);
    const int x = GET_X_LPARAM(clientPoint) + co.x - wo.x;
    const int y = GET_Y_LPARAM(clientPoint) + co.y - wo.y;
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

LRESULT CloseBoxUp(HWND hwnd, const Window& w, LPARAM lParam) {
    if (closePressed != hwnd) {
        return 0;
    }
    closePressed = nullptr;
    const bool inside = InCloseBox(w, lParam);
    ReleaseCapture();
    if (inside) {
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
}

LRESULT Keys(const Window& w, WPARAM key, LPARAM lParam) {
    const bool alt = (lParam & (1 << 29)) != 0;
    if (key == VK_F4 && alt) {
        SendMessageA(WindowManager::Root(const_cast<Window*>(&w))->handle, WM_SYSCOMMAND, SC_CLOSE,
                     0);
    }
    return 0;
}

LRESULT Frame(HWND hwnd, Window& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCALCSIZE:
        return CalcSize(w, lParam);
    case WM_NCHITTEST:
        return win::NonClient::HitTest(w, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        win::NonClient::Paint(hwnd);
        return 0;
    case WM_NCACTIVATE:
        w.captionActive = wParam != 0;
        w.framePending = w.framePending || win::NonClient::HasCaption(w);
        return TRUE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (static_cast<LRESULT>(wParam) == HTCLOSE) {
            closePressed = hwnd;
            SetCapture(hwnd);
        }
        return 0;
    case WM_LBUTTONUP:
        return CloseBoxUp(hwnd, w, lParam);
    case WM_SYSCOMMAND:
        return (wParam & 0xFFF0) == SC_CLOSE ? SendMessageA(hwnd, WM_CLOSE, 0, 0) : 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    default:
        return 0;
    }
}

LRESULT TextMessage(Window& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE:
        SetText(w, lParam ? reinterpret_cast<LPARAM>(
                                reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName)
                          : 0);
        return TRUE;
    case WM_SETTEXT:
        return SetText(w, lParam);
    case WM_GETTEXT:
        return CopyText(w, wParam, lParam);
    default: // WM_GETTEXTLENGTH
        return static_cast<LRESULT>(w.text.size());
    }
}

} // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w) {
        return 0;
    }
    switch (msg) {
    case WM_NCCREATE:
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return TextMessage(*w, msg, wParam, lParam);
    case WM_PAINT:
        return Paint(hwnd);
    case WM_ERASEBKGND:
        return Erase(*w, wParam);
    case WM_SETREDRAW:
        w->redrawOn = wParam != 0;
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(hwnd);
        }
        return 0;
    case WM_MOUSEACTIVATE: {
        const LRESULT answer = AskParent(*w, msg, wParam, lParam);
        return answer ? answer : MA_ACTIVATE;
    }
    case WM_SETCURSOR:
        return SetCursorDefault(*w, wParam, lParam);
    case WM_MOUSEWHEEL:
        return AskParent(*w, msg, wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        return WindowPosChanged(*w, lParam);
    case WM_SYSCOLORCHANGE:
        return ForwardToChildren(*w, msg, wParam, lParam);
    case WM_SYSKEYDOWN:
        return Keys(*w, wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ControlColour(msg, wParam);
    default:
        return Frame(hwnd, *w, msg, wParam, lParam);
    }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}
