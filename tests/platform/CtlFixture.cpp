#include "tests/platform/CtlFixture.h"

#include "platform/ctl/BuiltinControls.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"

namespace wintest {

void CtlFixture::SetUp() {
    WinFixture::SetUp();
    ctl::RegisterBuiltinControls();
    dialog = Popup("D", {50, 40, 450, 340});
    On(dialog, WM_COMMAND, [this](HWND, UINT, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        events.push_back("cmd:" + std::to_string(LOWORD(w)) + ":" + std::to_string(HIWORD(w)));
        return 0;
    });
    On(dialog, WM_DRAWITEM, [this](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        drawn.push_back(*item);
        events.push_back("draw:" + std::to_string(item->itemAction) + ":" +
                         std::to_string(item->itemState));
        return TRUE;
    });
    for (UINT m : {WM_VSCROLL, WM_HSCROLL}) {
        On(dialog, m, [this](HWND, UINT msg, WPARAM w, LPARAM) -> std::optional<LRESULT> {
            events.push_back(std::string(msg == WM_VSCROLL ? "vscroll:" : "hscroll:") +
                             std::to_string(LOWORD(w)) + ":" + std::to_string(HIWORD(w)));
            return 0;
        });
    }
}

HWND CtlFixture::Make(const char* cls, const char* text, DWORD style, RECT r, int id,
                      DWORD exStyle) {
    HWND h =
        CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, dialog,
                        reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
    EXPECT_NE(h, nullptr) << cls;
    return h;
}

POINT CtlFixture::At(HWND control, int x, int y) const {
    POINT p{x, y};
    ClientToScreen(control, &p);
    return p;
}

void CtlFixture::ClickAt(HWND control, int x, int y) {
    display->Click(At(control, x, y));
    display->Pump();
}

void CtlFixture::PressAt(POINT screen) {
    display->MoveMouse(screen);
    display->ButtonDown();
    display->Pump();
}

void CtlFixture::Release() {
    display->ButtonUp();
    display->Pump();
}

void CtlFixture::Drag(POINT from, POINT to) {
    PressAt(from);
    display->MoveMouse(to);
    Release();
}

COLORREF CtlFixture::Pixel(HWND control, int x, int y) const {
    RECT top{};
    GetWindowRect(dialog, &top);
    const POINT p = At(control, x, y);
    const gfx::Surface* surface = win::WindowSurface(dialog);
    return surface ? surface->ColorAt(p.x - top.left, p.y - top.top) : CLR_INVALID;
}

std::string CtlFixture::Text(HWND control) const {
    char buffer[512] = {};
    GetWindowTextA(control, buffer, sizeof(buffer));
    return buffer;
}

std::vector<std::string> CtlFixture::Events() {
    display->Pump();
    return std::exchange(events, {});
}

void CtlFixture::PressKey(UINT vk, UINT modifier) {
    if (modifier) {
        display->KeyDown(modifier);
    }
    display->Key(vk);
    if (modifier) {
        display->KeyUp(modifier);
    }
    display->Pump();
}

} // namespace wintest
