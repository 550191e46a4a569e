// The paint cycle: invalidation, erasing, update regions, nesting, redraw switch, pixels.
#include "tests/platform/WinFixture.h"

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Png.h"
#include "platform/win/WindowSystem.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

class Paint : public WinFixture {
  protected:
    // WM_PAINT fills the paint rectangle with a colour and remembers it.
    void Fill(HWND hwnd, COLORREF colour) {
        On(hwnd, WM_PAINT, [this, colour](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            painted.push_back(ps.rcPaint);
            HBRUSH brush = CreateSolidBrush(colour);
            FillRect(dc, &ps.rcPaint, brush);
            DeleteObject(brush);
            EndPaint(h, &ps);
            return 0;
        });
    }
    COLORREF At(HWND top, int x, int y) { return win::WindowSurface(top)->ColorAt(x, y); }
    std::vector<RECT> painted;
};

TEST_F(Paint, EraseComesFirstAndTheUpdateRegionIsTheClip) {
    HWND a = Popup("A", {0, 0, 100, 100});
    Fill(a, Red);
    display->Pump();
    EXPECT_EQ(At(a, 50, 50), Red);
    RECT r{10, 10, 20, 20};
    InvalidateRect(a, &r, TRUE);
    RECT upd;
    EXPECT_TRUE(GetUpdateRect(a, &upd, FALSE));
    EXPECT_EQ(upd.left, 10);
    Watch({WM_ERASEBKGND, WM_PAINT});
    painted.clear();
    handlers.erase({a, WM_PAINT});
    On(a, WM_PAINT, [&](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT all{0, 0, 100, 100};
        HBRUSH blue = CreateSolidBrush(Blue);
        FillRect(dc, &all, blue); // clipped to the update region
        DeleteObject(blue);
        EndPaint(h, &ps);
        return 0;
    });
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("A:WM_PAINT", "A:WM_ERASEBKGND"));
    EXPECT_EQ(At(a, 15, 15), Blue);
    EXPECT_EQ(At(a, 50, 50), Red);
    EXPECT_FALSE(GetUpdateRect(a, &upd, FALSE));

    InvalidateRect(a, &r, TRUE);
    EXPECT_TRUE(GetUpdateRect(a, &upd, TRUE));
    EXPECT_THAT(Take(), ElementsAre("A:WM_ERASEBKGND")) << "erased now, painted later";
    EXPECT_EQ(At(a, 15, 15), GetSysColor(COLOR_WINDOW));
    ValidateRect(a, nullptr);
    display->Pump();
    EXPECT_TRUE(Take().empty());
}

TEST_F(Paint, DefaultEraseUsesTheClassBackgroundAndChildrenAreClipped) {
    HWND a = Popup("A", {0, 0, 100, 100}, nullptr, WS_BORDER);
    HWND c = Child("C", a, {10, 10, 30, 30});
    Fill(c, Red);
    display->Pump();
    EXPECT_EQ(At(a, 0, 0), GetSysColor(COLOR_WINDOWFRAME)) << "border";
    EXPECT_EQ(At(a, 5, 5), GetSysColor(COLOR_WINDOW)) << "class background, colour index + 1";
    EXPECT_EQ(At(a, 11, 11), Red) << "child at client (10,10) inside the 1-pixel border";
    EXPECT_EQ(At(a, 30, 30), Red);
    EXPECT_EQ(At(a, 31, 31), GetSysColor(COLOR_WINDOW));
    InvalidateRect(a, nullptr, TRUE);
    display->Pump();
    EXPECT_EQ(At(a, 20, 20), Red) << "the parent's erase never paints over its child";

    MoveWindow(c, 50, 50, 20, 20, TRUE);
    display->Pump();
    EXPECT_EQ(At(a, 20, 20), GetSysColor(COLOR_WINDOW)) << "uncovered area repainted";
    EXPECT_EQ(At(a, 60, 60), Red);
}

// The display is sent only the pixels drawn, clipped to what shows of the window: a window
// DC that redraws one spot sends that spot, and a paint that draws less than its update
// region sends what it drew.
TEST_F(Paint, OnlyDrawnPixelsArePresented) {
    HWND a = Popup("A", {0, 0, 100, 100});
    HWND c = Child("C", a, {10, 10, 60, 60});
    display->Pump();
    display->TakePresented(a);
    auto sent = [&] {
        display->Pump();
        const gfx::Region r = display->TakePresented(a);
        return std::vector<RECT>(r.Rects());
    };
    auto same = [](const std::vector<RECT>& got, const RECT& want) {
        return got.size() == 1 && EqualRect(&got[0], &want);
    };
    HBRUSH red = CreateSolidBrush(Red);
    HDC dc = GetDC(c);
    ReleaseDC(c, dc);
    EXPECT_TRUE(sent().empty()) << "nothing drawn, nothing sent";

    dc = GetDC(c);
    RECT spot{5, 5, 15, 8};
    FillRect(dc, &spot, red);
    RECT beyond{45, 45, 200, 200};
    FillRect(dc, &beyond, red);
    ReleaseDC(c, dc);
    EXPECT_TRUE(same(sent(), {15, 15, 60, 60})) << "both fills, cut at the child's edge";

    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(memory, 8, 8);
    HGDIOBJ old = SelectObject(memory, bitmap);
    dc = GetDC(c);
    BitBlt(dc, 20, 30, 8, 8, memory, 0, 0, SRCCOPY);
    ReleaseDC(c, dc);
    EXPECT_TRUE(same(sent(), {30, 40, 38, 48})) << "a copied block";
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);

    On(c, WM_PAINT, [&](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        PAINTSTRUCT ps;
        HDC paint = BeginPaint(h, &ps);
        FillRect(paint, &spot, red);
        EndPaint(h, &ps);
        return 0;
    });
    On(c, WM_ERASEBKGND, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return 1; });
    InvalidateRect(c, nullptr, TRUE);
    EXPECT_TRUE(same(sent(), {15, 15, 25, 18})) << "the update region was all of it";
    DeleteObject(red);
}

TEST_F(Paint, SiblingsInFrontClipThoseBehind) {
    HWND a = Popup("A", {0, 0, 100, 100});
    HWND front = Child("F", a, {0, 0, 50, 50});
    HWND back = Child("B", a, {25, 25, 75, 75});
    Fill(front, Red);
    Fill(back, Blue);
    display->Pump();
    EXPECT_EQ(At(a, 30, 30), Red);
    EXPECT_EQ(At(a, 60, 60), Blue);
    InvalidateRect(back, nullptr, TRUE);
    display->Pump();
    EXPECT_EQ(At(a, 30, 30), Red);
    SetWindowPos(back, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    display->Pump();
    EXPECT_EQ(At(a, 30, 30), Blue);
}

TEST_F(Paint, NestedPaintingAndWindowsMadeDuringPaint) {
    HWND a = Popup("A", {0, 0, 200, 200});
    HWND b = Child("B", a, {0, 0, 100, 100});
    Fill(b, Blue);
    HWND made = nullptr;
    Watch({WM_PAINT});
    On(a, WM_PAINT, [&](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        InvalidateRect(b, nullptr, TRUE);
        UpdateWindow(b); // paints the child from inside the parent's paint
        if (!made) {
            made = Popup("P", {300, 300, 350, 350}, h);
            SetFocus(made);
            MoveWindow(b, 10, 10, 100, 100, TRUE);
        }
        EndPaint(h, &ps);
        return 0;
    });
    display->Pump();
    auto seen = Take();
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0], "A:WM_PAINT");
    EXPECT_EQ(seen[1], "B:WM_PAINT");
    EXPECT_EQ(GetFocus(), made);
    EXPECT_EQ(At(a, 105, 105), Blue) << "moved inside the paint and repainted";
    EXPECT_EQ(At(a, 5, 5), GetSysColor(COLOR_WINDOW));
}

TEST_F(Paint, RedrawOffHoldsEveryPaint) {
    HWND a = Popup("A", {0, 0, 100, 100});
    HWND c = Child("C", a, {0, 0, 50, 50});
    display->Pump();
    Watch({WM_PAINT, WM_ERASEBKGND});
    SendMessageA(a, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(a, nullptr, TRUE);
    InvalidateRect(c, nullptr, TRUE);
    display->Pump();
    UpdateWindow(a);
    EXPECT_TRUE(Take().empty());
    SendMessageA(a, WM_SETREDRAW, TRUE, 0);
    display->Pump();
    EXPECT_THAT(Take(),
                ElementsAre("A:WM_PAINT", "A:WM_ERASEBKGND", "C:WM_PAINT", "C:WM_ERASEBKGND"));
}

TEST_F(Paint, CaptionAndCloseBoxAreDrawnWhenTheDisplayDoesNotFrame) {
    HWND a = CreateWindowExA(0, ClassName, "Query", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                             10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
    display->Pump();
    RECT client;
    GetClientRect(a, &client);
    EXPECT_EQ(client.bottom, 100 - 2 - GetSystemMetrics(SM_CYCAPTION));
    RECT want{0, 0, 100, 50};
    AdjustWindowRectEx(&want, WS_POPUP | WS_CAPTION, FALSE, 0);
    EXPECT_EQ(want.top, -19);
    EXPECT_EQ(want.right, 101);
    EXPECT_EQ(At(a, 5, 2), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(At(a, 183, 12), GetSysColor(COLOR_BTNFACE)) << "close box face";
    EXPECT_EQ(At(a, 5, 50), GetSysColor(COLOR_WINDOW));
    Popup("B", {400, 400, 450, 450});
    display->Pump();
    EXPECT_EQ(At(a, 5, 2), GetSysColor(COLOR_INACTIVECAPTION));
    gfx::Surface screen = display->CaptureScreen();
    EXPECT_EQ(screen.ColorAt(15, 12), GetSysColor(COLOR_INACTIVECAPTION));
    EXPECT_EQ(screen.ColorAt(5, 5), GetSysColor(COLOR_DESKTOP));
    EXPECT_GT(display->PresentCount(), 0);

    const std::string path = ::testing::TempDir() + "win_caption.png";
    ASSERT_TRUE(display->SaveWindowPng(a, path));
    gfx::Surface read;
    ASSERT_TRUE(gfx::ReadPng(path, read));
    EXPECT_EQ(read.Width(), 200);
    EXPECT_EQ(read.ColorAt(183, 12), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(display->SaveWindowPng(nullptr, path));
}

class FramingDisplay : public backend::HeadlessBackend {
  public:
    bool FramesWindows() const override { return true; }
};

TEST_F(Paint, AFramingDisplayGetsTheClientAreaOnly) {
    auto framing = std::make_unique<FramingDisplay>();
    display = framing.get();
    win::SetBackend(std::move(framing));
    HWND a = CreateWindowExA(0, ClassName, "Query", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                             10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
    RECT client;
    GetClientRect(a, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    EXPECT_EQ(display->Native(a)->title, "Query");
    EXPECT_TRUE(display->Native(a)->visible);
    HWND list = Popup("L", {0, 0, 50, 50}, a, WS_BORDER);
    GetClientRect(list, &client);
    EXPECT_EQ(client.right, 48) << "popups keep the border the platform draws";
}

TEST_F(Paint, SystemColourChangesReachEveryWindow) {
    HWND a = Popup("A", {0, 0, 100, 100});
    Child("C", a, {0, 0, 50, 50});
    display->Pump();
    Watch({WM_SYSCOLORCHANGE});
    const int index = COLOR_WINDOW;
    const COLORREF old = GetSysColor(index);
    const COLORREF green = RGB(0, 255, 0);
    EXPECT_TRUE(SetSysColors(1, &index, &green));
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("A:WM_SYSCOLORCHANGE", "C:WM_SYSCOLORCHANGE"));
    EXPECT_EQ(At(a, 70, 70), green);
    SetSysColors(1, &index, &old);
    EXPECT_FALSE(SetSysColors(0, &index, &old));
}

TEST_F(Paint, AWindowGetsPixelsOnlyOnceItShows) {
    HWND hidden = CreateWindowExA(0, ClassName, "hidden", WS_POPUP, 0, 0, 640, 512, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_TRUE(hidden);
    Fill(hidden, Red);
    display->Pump();
    HDC dc = GetDC(hidden);
    ASSERT_TRUE(dc);
    RECT all{0, 0, 640, 512};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SIZE extent{};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, "Wide", 4, &extent)) << "measuring needs no pixels";
    EXPECT_GT(extent.cx, 0);
    ReleaseDC(hidden, dc);
    EXPECT_EQ(win::WindowSurface(hidden), nullptr) << "a window never shown holds no pixels";
    ShowWindow(hidden, SW_SHOWNA);
    display->Pump();
    ASSERT_NE(win::WindowSurface(hidden), nullptr);
    EXPECT_EQ(At(hidden, 320, 256), Red) << "showing paints all of it";
    SetWindowPos(hidden, nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(win::WindowSurface(hidden)->Width(), 100);
}

} // namespace
} // namespace wintest
