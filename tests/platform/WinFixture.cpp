#include "tests/platform/WinFixture.h"

#include "platform/gfx/SysColors.h"
#include "platform/win/WindowSystem.h"

namespace wintest {

WinFixture* WinFixture::current = nullptr;

namespace {

// Each message with its own name as the log shows it.
#define NAMED(msg)                                                                                 \
    { msg, #msg }
const std::map<UINT, std::string> Names = {
    NAMED(WM_CREATE),        NAMED(WM_DESTROY),        NAMED(WM_NCCREATE),
    NAMED(WM_NCDESTROY),     NAMED(WM_NCCALCSIZE),     NAMED(WM_SIZE),
    NAMED(WM_MOVE),          NAMED(WM_ACTIVATE),       NAMED(WM_NCACTIVATE),
    NAMED(WM_SETFOCUS),      NAMED(WM_KILLFOCUS),      NAMED(WM_ENABLE),
    NAMED(WM_PAINT),         NAMED(WM_NCPAINT),        NAMED(WM_ERASEBKGND),
    NAMED(WM_CLOSE),         NAMED(WM_SYSCOMMAND),     NAMED(WM_CAPTURECHANGED),
    NAMED(WM_MOUSEACTIVATE), NAMED(WM_SETCURSOR),      NAMED(WM_MOUSEMOVE),
    NAMED(WM_LBUTTONDOWN),   NAMED(WM_LBUTTONUP),      NAMED(WM_LBUTTONDBLCLK),
    NAMED(WM_RBUTTONDOWN),   NAMED(WM_RBUTTONUP),      NAMED(WM_MOUSEWHEEL),
    NAMED(WM_KEYDOWN),       NAMED(WM_KEYUP),          NAMED(WM_CHAR),
    NAMED(WM_SYSKEYDOWN),    NAMED(WM_SYSKEYUP),       NAMED(WM_SYSCHAR),
    NAMED(WM_TIMER),         NAMED(WM_SYSCOLORCHANGE), NAMED(WM_SHOWWINDOW),
    NAMED(WM_USER)};
#undef NAMED

} // namespace

std::string MessageName(UINT msg) {
    auto it = Names.find(msg);
    return it == Names.end() ? std::to_string(msg) : it->second;
}

void WinFixture::SetUp() {
    current = this;
    auto headless = std::make_unique<backend::HeadlessBackend>();
    display = headless.get();
    win::SetBackend(std::move(headless));
    WNDCLASSA wc;
    wc.lpfnWndProc = Proc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = ClassName;
    RegisterClassA(&wc);
    wc.style = CS_DBLCLKS;
    wc.lpszClassName = DoubleClickClass;
    RegisterClassA(&wc);
}

void WinFixture::TearDown() {
    for (HWND top : win::TopLevelWindows()) {
        DestroyWindow(top);
    }
    ReleaseCapture();
    display->Pump();
    win::SetBackend(nullptr);
    current = nullptr;
}

HWND WinFixture::Popup(const std::string& name, RECT r, HWND owner, DWORD style) {
    return Create(name, WS_POPUP | style, r, owner, 0);
}

HWND WinFixture::Child(const std::string& name, HWND parent, RECT r, DWORD style, int id) {
    return Create(name, WS_CHILD | style, r, parent, id);
}

HWND WinFixture::Create(const std::string& name, DWORD style, RECT r, HWND parent, int id) {
    pendingName = name;
    HWND h =
        CreateWindowExA(0, ClassName, name.c_str(), style | WS_VISIBLE, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, parent,
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
    pendingName.clear();
    if (h) {
        names[h] = name;
    }
    return h;
}

void WinFixture::Watch(std::set<UINT> messages) {
    watched = std::move(messages);
    log.clear();
}

LRESULT WinFixture::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinFixture* f = current;
    if (f && !f->names.count(hwnd) && !f->pendingName.empty()) {
        f->names[hwnd] = f->pendingName;
    }
    if (f && f->watched.count(msg)) {
        auto name = f->names.count(hwnd) ? f->names[hwnd] : std::string("?");
        f->log.push_back(name + ":" + MessageName(msg));
    }
    if (f) {
        auto it = f->handlers.find({hwnd, msg});
        if (it != f->handlers.end()) {
            Handler h = it->second;
            if (auto answer = h(hwnd, msg, wParam, lParam)) {
                return *answer;
            }
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace wintest
