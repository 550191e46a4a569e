#include "platform/ctl/MessageBoxWindow.h"

#include "platform/ctl/BuiltinControls.h"
#include "platform/ctl/ButtonControl.h"
#include "platform/ctl/MessageBoxApi.h"
#include "platform/ctl/MessageBoxIcon.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/ModalLoop.h"

#include <algorithm>

namespace ctl {

namespace {

constexpr int Margin = 12;
constexpr int IconSide = 32;
constexpr int MaxTextWidth = 400;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 6;
constexpr DWORD BoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD BoxExStyle = WS_EX_DLGMODALFRAME;
constexpr UINT TextFormat = DT_WORDBREAK | DT_NOPREFIX;

HFONT BoxFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

SIZE MeasureText(const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, BoxFont());
    RECT r{0, 0, MaxTextWidth, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, TextFormat | DT_CALCRECT);
    DeleteDC(dc);
    const int maxHeight = GetSystemMetrics(SM_CYSCREEN) / 2;
    return {std::min<LONG>(r.right, MaxTextWidth), std::min<LONG>(r.bottom, maxHeight)};
}

} // namespace

ATOM MessageBoxWindow::Register() {
    WNDCLASSEXA wc;
    wc.lpfnWndProc = ControlMap<MessageBoxWindow>::Proc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    // Not one of the reserved control names: an ordinary class of the process.
    return RegisterClassExA(&wc);
}

std::vector<int> MessageBoxWindow::ButtonIds(UINT type) {
    if ((type & MB_TYPEMASK) == MB_OKCANCEL) {
        return {IDOK, IDCANCEL};
    }
    return {IDOK};
}

MessageBoxWindow::Layout MessageBoxWindow::Arrange(const char* text, UINT type) {
    Layout l;
    l.text = text ? text : "";
    l.type = type;
    const bool icon = MessageBoxIcon(type) != nullptr;
    const SIZE t = MeasureText(l.text);
    const int textLeft = icon ? 2 * Margin + IconSide : Margin;
    const int textTop = icon && t.cy < IconSide ? Margin + (IconSide - t.cy) / 2 : Margin;
    l.iconRect = icon ? RECT{Margin, Margin, Margin + IconSide, Margin + IconSide} : RECT{};
    l.textRect = {textLeft, textTop, textLeft + t.cx, textTop + t.cy};
    const int content = std::max<int>(l.iconRect.bottom, l.textRect.bottom);
    const int n = static_cast<int>(ButtonIds(type).size());
    const int row = n * ButtonWidth + (n - 1) * ButtonGap;
    l.client.cx = std::max<int>(l.textRect.right + Margin, row + 2 * Margin);
    const int top = content + Margin;
    int x = (l.client.cx - row) / 2;
    for (int i = 0; i < n; ++i, x += ButtonWidth + ButtonGap) {
        l.buttons.push_back({x, top, x + ButtonWidth, top + ButtonHeight});
    }
    l.client.cy = top + ButtonHeight + Margin;
    return l;
}

RECT MessageBoxWindow::CentredOver(HWND owner, SIZE client, DWORD style, DWORD exStyle) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT over = area;
    if (owner) {
        GetWindowRect(owner, &over);
    }
    const int x =
        std::clamp<int>((over.left + over.right - w) / 2, 0, std::max<int>(0, area.right - w));
    const int y =
        std::clamp<int>((over.top + over.bottom - h) / 2, 0, std::max<int>(0, area.bottom - h));
    return {x, y, x + w, y + h};
}

int MessageBoxWindow::Run(HWND owner, const char* text, const char* caption, UINT type) {
    RegisterBuiltinControls();
    owner = IsWindow(owner) ? GetAncestor(owner, GA_ROOT) : nullptr;
    Layout layout = Arrange(text, type);
    const RECT r = CentredOver(owner, layout.client, BoxStyle, BoxExStyle);
    HWND box =
        CreateWindowExA(BoxExStyle, ClassName, caption ? caption : "Error", BoxStyle, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, owner, nullptr, nullptr, &layout);
    MessageBoxWindow* self = ControlMap<MessageBoxWindow>::Find(box);
    const int cancel = (type & MB_TYPEMASK) == MB_OKCANCEL ? IDCANCEL : IDOK;
    if (!self) {
        return cancel;
    }
    ShowWindow(box, SW_SHOW);
    SetFocus(self->buttons.front());
    const LONG_PTR result = win::ModalLoop::Run(box, [self](MSG& m) { return self->Filter(m); });
    DestroyWindow(box);
    // A loop that ended without an answer (no input can come) counts as the cancel button.
    const std::vector<int> ids = ButtonIds(type);
    const bool answered = std::find(ids.begin(), ids.end(), result) != ids.end();
    return answered ? static_cast<int>(result) : cancel;
}

// The box's own keys, before anything else sees them.
bool MessageBoxWindow::Filter(const MSG& msg) const {
    if (msg.message != WM_KEYDOWN || (msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd))) {
        return false;
    }
    switch (msg.wParam) {
    case VK_RETURN:
        win::ModalLoop::End(hwnd, FocusedId());
        return true;
    case VK_ESCAPE:
        win::ModalLoop::End(hwnd, CancelId());
        return true;
    case VK_TAB:
        MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return true;
    case VK_LEFT:
    case VK_UP:
        MoveFocus(-1);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        MoveFocus(1);
        return true;
    default:
        return false;
    }
}

LRESULT MessageBoxWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto* given = cs ? static_cast<const Layout*>(cs->lpCreateParams) : nullptr;
        if (!given) {
            return -1;
        }
        Create(*given);
        return 0;
    }
    case WM_PAINT:
        Paint();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            win::ModalLoop::End(hwnd, LOWORD(wParam));
        }
        return 0;
    case WM_CLOSE:
        win::ModalLoop::End(hwnd, CancelId());
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void MessageBoxWindow::Create(const Layout& given) {
    layout = given;
    const std::vector<int> ids = ButtonIds(layout.type);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const RECT& r = layout.buttons[i];
        const DWORD kind = i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        HWND b = CreateWindowExA(0, ButtonControl::ClassName, ids[i] == IDOK ? "OK" : "Cancel",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, hwnd,
                                 reinterpret_cast<HMENU>(static_cast<LONG_PTR>(ids[i])), nullptr,
                                 nullptr);
        SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(BoxFont()), FALSE);
        buttons.push_back(b);
    }
}

void MessageBoxWindow::Paint() const {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (HICON icon = MessageBoxIcon(layout.type)) {
        DrawIconEx(dc, layout.iconRect.left, layout.iconRect.top, icon, IconSide, IconSide, 0,
                   nullptr, DI_NORMAL);
    }
    SelectObject(dc, BoxFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    RECT t = layout.textRect;
    DrawTextA(dc, layout.text.c_str(), static_cast<int>(layout.text.size()), &t, TextFormat);
    EndPaint(hwnd, &ps);
}

int MessageBoxWindow::CancelId() const {
    return (layout.type & MB_TYPEMASK) == MB_OKCANCEL ? IDCANCEL : IDOK;
}

// Enter answers for the button with the focus, else the default one (the first).
int MessageBoxWindow::FocusedId() const {
    const HWND focus = GetFocus();
    for (HWND b : buttons) {
        if (b == focus) {
            return GetDlgCtrlID(b);
        }
    }
    return buttons.empty() ? IDOK : GetDlgCtrlID(buttons.front());
}

void MessageBoxWindow::MoveFocus(int step) const {
    const auto n = static_cast<int>(buttons.size());
    if (n == 0) {
        return;
    }
    const auto at = std::find(buttons.begin(), buttons.end(), GetFocus()) - buttons.begin();
    SetFocus(buttons[static_cast<std::size_t>(((at + step) % n + n) % n)]);
}

} // namespace ctl

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    return ctl::MessageBoxWindow::Run(owner, text, caption, type);
}
