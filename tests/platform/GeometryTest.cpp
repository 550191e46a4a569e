// Rectangles, coordinate mapping, positioning messages and metrics.
#include "tests/platform/WinFixture.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class Geometry : public WinFixture {};

TEST_F(Geometry, RectanglesAndMappingFollowParentsAndBorders) {
    HWND d = Popup("D", {100, 50, 300, 250}, nullptr, WS_BORDER);
    HWND c = Child("C", d, {10, 20, 60, 40}, WS_BORDER);
    RECT r;
    ASSERT_TRUE(GetWindowRect(c, &r));
    EXPECT_EQ(r.left, 111);
    EXPECT_EQ(r.top, 71);
    EXPECT_EQ(r.right, 161);
    ASSERT_TRUE(GetClientRect(c, &r));
    EXPECT_EQ(r.right, 48);
    EXPECT_EQ(r.bottom, 18);
    POINT p{0, 0};
    ClientToScreen(c, &p);
    EXPECT_EQ(p.x, 112);
    EXPECT_EQ(p.y, 72);
    ScreenToClient(d, &p);
    EXPECT_EQ(p.x, 11);
    EXPECT_EQ(p.y, 21);
    POINT pts[2] = {{0, 0}, {5, 5}};
    EXPECT_EQ(MapWindowPoints(c, d, pts, 2), MAKELPARAM(11, 21));
    EXPECT_EQ(pts[1].x, 16);
    EXPECT_EQ(MapWindowPoints(c, reinterpret_cast<HWND>(0x99), pts, 2), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_CXDOUBLECLK), 4);
    RECT work;
    EXPECT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work.right, 1024);
    EXPECT_FALSE(SystemParametersInfoA(SPI_GETWORKAREA, 0, nullptr, 0));
}

// Points and rectangles anywhere in the range: sums past its ends stop there.
TEST_F(Geometry, CoordinateArithmeticStopsAtTheEndsOfTheRange) {
    constexpr LONG Max = 0x7FFFFFFF;
    constexpr LONG Min = -Max - 1;
    HWND d = Popup("D", {100, 50, 300, 250}, nullptr, WS_BORDER);
    HWND c = Child("C", d, {10, 20, 60, 40});
    POINT p{Max, Min};
    EXPECT_TRUE(ClientToScreen(c, &p));
    EXPECT_EQ(p.x, Max);
    EXPECT_EQ(p.y, Min + 71);
    p = {Min, Max};
    EXPECT_TRUE(ScreenToClient(c, &p));
    EXPECT_EQ(p.x, Min);
    EXPECT_EQ(p.y, Max - 71);
    POINT pts[2] = {{Max, Max}, {Min, Min}};
    EXPECT_EQ(MapWindowPoints(d, c, pts, 2), static_cast<int>(MAKELPARAM(-10, -20)));
    EXPECT_EQ(pts[0].x, Max - 10);
    EXPECT_EQ(pts[1].y, Min);

    RECT r{Min, Min, Max, Max};
    EXPECT_TRUE(OffsetRect(&r, 5, -5));
    EXPECT_EQ(r.left, Min + 5);
    EXPECT_EQ(r.top, Min);
    EXPECT_EQ(r.bottom, Max - 5);
    EXPECT_TRUE(InflateRect(&r, Max, Max));
    EXPECT_EQ(r.left, Min);
    EXPECT_EQ(r.bottom, Max);
    EXPECT_TRUE(InflateRect(&r, Min, Min));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, -1);
    RECT frame{Min, Min, Max, Max};
    EXPECT_TRUE(AdjustWindowRectEx(&frame, WS_CAPTION | WS_BORDER, FALSE, 0));
    EXPECT_EQ(frame.top, Min);
    EXPECT_EQ(frame.right, Max);
    const RECT huge{Min, Min, Max, Max};
    EXPECT_TRUE(InvalidateRect(d, &huge, TRUE));
    EXPECT_TRUE(ValidateRect(d, &huge));
    EXPECT_TRUE(RedrawWindow(d, &huge, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW));
}

TEST_F(Geometry, PositionChangesAreAnnounced) {
    HWND d = Popup("D", {0, 0, 200, 200});
    HWND c = Child("C", d, {0, 0, 50, 50});
    std::vector<std::string> sizes;
    On(c, WM_SIZE, [&](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        sizes.push_back(std::to_string(LOWORD(l)) + "x" + std::to_string(HIWORD(l)));
        return 0;
    });
    On(c, WM_WINDOWPOSCHANGING, [](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        reinterpret_cast<WINDOWPOS*>(l)->cx += 1; // a window may adjust its new size
        return 0;
    });
    Watch({WM_MOVE, WM_SIZE});
    MoveWindow(c, 5, 6, 70, 30, TRUE);
    SetWindowPos(c, nullptr, 9, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_THAT(Take(), ElementsAre("C:WM_MOVE", "C:WM_SIZE", "C:WM_MOVE"));
    EXPECT_THAT(sizes, ElementsAre("71x30"));
    RECT r;
    GetWindowRect(c, &r);
    EXPECT_EQ(r.left, 9);
    EXPECT_EQ(r.right - r.left, 71);
    handlers.erase({c, WM_WINDOWPOSCHANGING});
    MoveWindow(c, 0x7FFFFFFF, -0x7FFFFFFF, 0x7FFFFFFF, -5, TRUE);
    GetWindowRect(c, &r);
    EXPECT_EQ(r.right - r.left, 0x7FFF) << "huge values are clamped, never overflowed";
    EXPECT_EQ(r.bottom, r.top);
    MoveWindow(d, -0x7FFFFFFF, 0, 0x7FFFFFFF, 0x7FFFFFFF, TRUE);
    display->Pump(); // a 32767-pixel window paints without a 4-gigabyte surface
    EXPECT_TRUE(ShowWindow(c, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(c));
    ShowWindow(d, SW_HIDE);
    ShowWindow(c, SW_SHOW);
    EXPECT_FALSE(IsWindowVisible(c)) << "its parent is hidden";
}

TEST_F(Geometry, ExtraBytesAndIdsAreKeptPerWindow) {
    WNDCLASSA wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.lpszClassName = "WithExtra";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND a = CreateWindowExA(0, "WithExtra", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr,
                             nullptr);
    EXPECT_EQ(SetWindowLongPtrA(a, sizeof(LONG_PTR), 77), 0);
    EXPECT_EQ(GetWindowLongPtrA(a, sizeof(LONG_PTR)), 77);
    EXPECT_EQ(SetWindowLongPtrA(a, 2 * sizeof(LONG_PTR), 1), 0) << "past the extra bytes";
    EXPECT_EQ(GetWindowLongPtrA(a, -100), 0);
    DestroyWindow(a);
}

} // namespace
} // namespace wintest
