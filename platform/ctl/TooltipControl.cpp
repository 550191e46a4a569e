#include "platform/ctl/TooltipControl.h"

#include "platform/ctl/PaintedControl.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace ctl {

namespace {

constexpr UINT_PTR InitialTimer = 1;
constexpr UINT_PTR PopTimer = 2;
constexpr UINT DefaultInitial = 500;
constexpr UINT DefaultPop = 5000;
constexpr int MarginX = 4; // frame and space left and right of the text
constexpr int MarginY = 2;
constexpr int BelowCursor = 20;
constexpr UINT TextFormat = DT_SINGLELINE | DT_NOPREFIX;

// A record from a caller: big enough for the fields up to the text pointer.
bool Usable(const TOOLINFOA* info) {
    return info && info->cbSize >= offsetof(TOOLINFOA, lParam);
}

bool IsButtonDown(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

ATOM TooltipControl::Register() {
    return ControlMap<TooltipControl>::RegisterBuiltin(0);
}

TooltipControl::TooltipControl(HWND window)
    : hwnd(window), font(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
      initialDelay(DefaultInitial), popDelay(DefaultPop) {}

LRESULT TooltipControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (PaintMessage(hwnd, msg, result, [this](HDC dc) { Paint(dc); }) ||
        FontMessage(msg, wParam, lParam, font, result, [](bool) {})) {
        return result;
    }
    switch (msg) {
    case WM_CREATE:
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE,
                          GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_TOPMOST | WS_EX_NOACTIVATE |
                              WS_EX_TOOLWINDOW);
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_TIMER:
        wParam == InitialTimer ? Show() : Pop();
        return 0;
    default:
        return TooltipMessage(msg, wParam, lParam);
    }
}

LRESULT TooltipControl::TooltipMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
    switch (msg) {
    case TTM_ACTIVATE:
        active = wParam != 0;
        if (!active) {
            Reset();
        }
        return 0;
    case TTM_ADDTOOLA:
        return AddTool(info);
    case TTM_DELTOOLA:
        return DeleteTool(info);
    case TTM_NEWTOOLRECTA:
        return NewRect(info);
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(tools.size());
    case TTM_RELAYEVENT:
        Relay(reinterpret_cast<const MSG*>(lParam));
        return 0;
    case TTM_SETDELAYTIME:
        SetDelay(wParam, lParam);
        return 0;
    case TTM_POP:
        Pop();
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// ---- tools

LRESULT TooltipControl::AddTool(const TOOLINFOA* info) {
    if (!Usable(info)) {
        return FALSE;
    }
    Tool tool;
    tool.flags = info->uFlags;
    tool.hwnd = info->hwnd;
    tool.id = info->uId;
    tool.rect = info->rect;
    tool.callback = info->lpszText == LPSTR_TEXTCALLBACKA;
    if (!tool.callback && info->lpszText && !IS_INTRESOURCE(info->lpszText)) {
        tool.text = info->lpszText;
    }
    const std::size_t at = Find(tool.hwnd, tool.id);
    if (at != NoTool) {
        tools[at] = std::move(tool);
    } else {
        tools.push_back(std::move(tool));
    }
    return TRUE;
}

LRESULT TooltipControl::DeleteTool(const TOOLINFOA* info) {
    const std::size_t at = Usable(info) ? Find(info->hwnd, info->uId) : NoTool;
    if (at == NoTool) {
        return 0;
    }
    if (current == at) {
        Reset();
    } else if (current != NoTool && current > at) {
        --current;
    }
    tools.erase(tools.begin() + static_cast<std::ptrdiff_t>(at));
    return 0;
}

LRESULT TooltipControl::NewRect(const TOOLINFOA* info) {
    const std::size_t at = Usable(info) ? Find(info->hwnd, info->uId) : NoTool;
    if (at != NoTool) {
        tools[at].rect = info->rect;
    }
    return 0;
}

std::size_t TooltipControl::Find(HWND window, UINT_PTR id) const {
    for (std::size_t i = 0; i < tools.size(); ++i) {
        if (tools[i].hwnd == window && tools[i].id == id) {
            return i;
        }
    }
    return NoTool;
}

// TTF_IDISHWND tools cover the whole window named by their id.
std::size_t TooltipControl::ToolAt(HWND window, POINT client) const {
    for (std::size_t i = 0; i < tools.size(); ++i) {
        const Tool& t = tools[i];
        const bool whole = (t.flags & TTF_IDISHWND) != 0;
        if (whole ? reinterpret_cast<HWND>(t.id) == window
                  : t.hwnd == window && PtInRect(&t.rect, client)) {
            return i;
        }
    }
    return NoTool;
}

void TooltipControl::SetDelay(WPARAM which, LPARAM ms) {
    const int value = static_cast<short>(LOWORD(static_cast<WPARAM>(ms)));
    const bool reset = value < 0;
    switch (static_cast<int>(which)) {
    case TTDT_INITIAL:
        initialDelay = reset ? DefaultInitial : static_cast<UINT>(value);
        break;
    case TTDT_AUTOPOP:
        popDelay = reset ? DefaultPop : static_cast<UINT>(value);
        break;
    case TTDT_AUTOMATIC:
        initialDelay = reset ? DefaultInitial : static_cast<UINT>(value);
        popDelay = reset ? DefaultPop : static_cast<UINT>(value) * 10;
        break;
    default:
        break;
    }
}

// ---- showing and hiding

void TooltipControl::Relay(const MSG* msg) {
    if (!active || !msg) {
        return;
    }
    if (IsButtonDown(msg->message)) {
        Pop();
    } else if (msg->message == WM_MOUSEMOVE) {
        const std::size_t tool =
            ToolAt(msg->hwnd, {GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)});
        if (tool != current) {
            Enter(tool);
        }
    }
}

// The pointer came onto another tool (or none): the initial delay starts again.
void TooltipControl::Enter(std::size_t tool) {
    Reset();
    current = tool;
    if (tool != NoTool) {
        SetTimer(hwnd, InitialTimer, initialDelay, nullptr);
    }
}

void TooltipControl::Pop() {
    KillTimer(hwnd, InitialTimer);
    KillTimer(hwnd, PopTimer);
    spent = true;
    if (shown) {
        shown = false;
        ShowWindow(hwnd, SW_HIDE);
    }
}

void TooltipControl::Reset() {
    Pop();
    spent = false;
    current = NoTool;
}

void TooltipControl::Show() {
    KillTimer(hwnd, InitialTimer);
    if (current >= tools.size() || spent) {
        return;
    }
    const Tool tool = tools[current];
    std::string asked = AskText(tool);
    if (!IsWindow(hwnd)) {
        return;
    }
    spent = asked.empty();
    if (spent) {
        return;
    }
    text = std::move(asked);
    Place(text);
    shown = true;
    InvalidateRect(hwnd, nullptr, TRUE);
    SetTimer(hwnd, PopTimer, popDelay, nullptr);
}

// The text of a callback tool comes from its window, asked in ANSI; what the request's
// buffer (or the pointer the handler left) then holds is shown, whatever the answer.
std::string TooltipControl::AskText(const Tool& tool) {
    if (!tool.callback) {
        return tool.text;
    }
    if (!IsWindow(tool.hwnd)) {
        return {};
    }
    NMTTDISPINFOA request;
    request.hdr.hwndFrom = hwnd;
    request.hdr.idFrom = tool.id;
    request.hdr.code = TTN_NEEDTEXTA;
    request.lpszText = request.szText;
    request.uFlags = tool.flags;
    SendMessageA(tool.hwnd, WM_NOTIFY, tool.id, reinterpret_cast<LPARAM>(&request));
    const char* p = request.lpszText;
    if (p == request.szText) {
        return std::string(p, strnlen(p, sizeof(request.szText)));
    }
    return p && !IS_INTRESOURCE(p) && p != LPSTR_TEXTCALLBACKA ? std::string(p) : std::string();
}

// Just below the pointer, kept on the screen.
void TooltipControl::Place(const std::string& tip) {
    HDC dc = GetDC(hwnd);
    SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, tip.c_str(), static_cast<int>(tip.size()), &r, TextFormat | DT_CALCRECT);
    ReleaseDC(hwnd, dc);
    const int w = r.right + 2 * MarginX;
    const int h = r.bottom + 2 * MarginY + 2;
    POINT p;
    GetCursorPos(&p);
    int x = std::min<int>(p.x, GetSystemMetrics(SM_CXSCREEN) - w);
    int y = p.y + BelowCursor;
    if (y + h > GetSystemMetrics(SM_CYSCREEN)) {
        y = p.y - h - 2;
    }
    SetWindowPos(hwnd, HWND_TOPMOST, std::max(0, x), std::max(0, y), w, h,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void TooltipControl::Paint(HDC dc) {
    RECT all;
    GetClientRect(hwnd, &all);
    FillRect(dc, &all, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    RECT t{all.left + MarginX, all.top + MarginY + 1, all.right - MarginX + 1, all.bottom - 1};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &t, TextFormat);
}

} // namespace ctl
