#pragma once
// Built-in controls inside one recording popup "D" on a fresh headless display. What the
// controls tell their parent is logged in order: "cmd:<id>:<code>", "draw:<action>:<state>",
// "vscroll:<code>:<pos>" and "hscroll:<code>:<pos>".
#include "tests/platform/WinFixture.h"

#include "platform/base/WinControls.h"
#include "tests/platform/PixelChecks.h"

namespace wintest {

class CtlFixture : public WinFixture {
  protected:
    void SetUp() override;

    HWND Make(const char* cls, const char* text, DWORD style, RECT r, int id, DWORD exStyle = 0);
    // Screen point of a control's client point.
    POINT At(HWND control, int x, int y) const;
    void ClickAt(HWND control, int x, int y);
    // The left button pressed at a screen point, released, or pressed, moved and released;
    // each pumped.
    void PressAt(POINT screen);
    void Release();
    void Drag(POINT from, POINT to);
    // Colour of a control's client pixel as shown on the popup's surface.
    COLORREF Pixel(HWND control, int x, int y) const;
    void ExpectPixels(HWND control, std::initializer_list<pixeltest::PixelAt> rows) const {
        pixeltest::ExpectPixels([&](int x, int y) { return Pixel(control, x, y); }, rows);
    }
    std::string Text(HWND control) const;
    std::vector<std::string> Events();
    void PressKey(UINT vk, UINT modifier = 0);

    HWND dialog = nullptr;
    std::vector<std::string> events;
    std::vector<DRAWITEMSTRUCT> drawn;
};

} // namespace wintest
