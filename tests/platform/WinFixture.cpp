#include "tests/platform/WinFixture.h"

#include "platform/gfx/SysColors.h"
#include "platform/win/WindowSystem.h"

namespace wintest {

WinFixture* WinFixture::current = nullptr;

namespace {

const std::map<UINT, std::string> Names = {
    {WM_CREATE, "WM_CREATE"},
    {WM_DESTROY, "WM_DESTROY"},
    {WM_NCCREATE, "WM_NCCREATE"},
    {WM_NCDESTROY, "WM_NCDESTROY"},
    {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
    {WM_SIZE, "WM_SIZE"},
    {WM_MOVE, "WM_MOVE"},
    {WM_ACTIVATE, "WM_ACTIVATE"},
    {WM_NCACTIVATE, "WM_NCACTIVATE"},
    {WM_SETFOCUS, "WM_SETFOCUS"},
    {WM_KILLFOCUS, "WM_KILLFOCUS"},
    {WM_ENABLE, "WM_ENABLE"},
    {WM_PAINT, "WM_PAINT"},
    {WM_NCPAINT, "WM_NCPAINT"},
    {WM_ERASEBKGND, "WM_ERASEBKGND"},
    {WM_CLOSE, "WM_CLOSE"},
    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
    {WM_SETCURSOR, "WM_SETCURSOR"},
    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
    {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
    {WM_RBUTTONUP, "WM_RBUTTONUP"},
    {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
    {WM_KEYDOWN, "WM_KEYDOWN"},
    {WM_KEYUP, "WM_KEYUP"},
    {WM_CHAR, "WM_CHAR"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
    {WM_SYSKEYUP, "WM_SYSKEYUP"},
    {WM_SYSCHAR, "WM_SYSCHAR"},
    {WM_TIMER, "WM_TIMER"},
    {WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
    {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
    {WM_USER, "WM_USER"},
};

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
    pendingName = name;
    HWND h =
        CreateWindowExA(0, ClassName, name.c_str(), WS_POPUP | WS_VISIBLE | style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, owner, nullptr, nullptr, nullptr);
    pendingName.clear();
    if (h) {
        names[h] = name;
    }
    return h;
}

HWND WinFixture::Child(const std::string& name, HWND parent, RECT r, DWORD style, int id) {
    pendingName = name;
    HWND h =
        CreateWindowExA(0, ClassName, name.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
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

void WinFixture::On(HWND hwnd, UINT msg, Handler handler) {
    handlers[{hwnd, msg}] = std::move(handler);
}

std::vector<std::string> WinFixture::Take() {
    std::vector<std::string> taken;
    taken.swap(log);
    return taken;
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
