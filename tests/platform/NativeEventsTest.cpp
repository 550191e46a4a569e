#include "platform/win/WindowSystem.h"
#include "tests/platform/WinFixture.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class NativeEvents : public WinFixture {};

TEST_F(NativeEvents, AMoveByTheDisplayIsTakenWithoutMovingTheNativeWindowBack) {
    HWND a = Popup("A", {10, 20, 110, 70});
    HWND child = Child("c", a, {5, 5, 15, 15});
    display->Pump();
    Watch({WM_MOVE, WM_SIZE});
    win::NativeMoved(a, {300, 400});
    EXPECT_THAT(Take(), ElementsAre("A:WM_MOVE"));
    RECT r{};
    GetWindowRect(a, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 400);
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 450);
    EXPECT_EQ(display->Native(a)->rect.left, 10);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 305);

    win::NativeMoved(a, {300, 400});
    win::NativeMoved(child, {0, 0});
    win::NativeMoved(nullptr, {0, 0});
    win::NativeMoved(reinterpret_cast<HWND>(0x1234), {0, 0});
    EXPECT_TRUE(Take().empty());
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 305);
}

TEST_F(NativeEvents, TheDisplayActivatesAndDeactivatesTopLevelWindows) {
    HWND a = Popup("A", {0, 0, 50, 50});
    HWND b = Popup("B", {60, 0, 110, 50});
    HWND child = Child("c", b, {0, 0, 10, 10});
    display->Pump();
    ASSERT_EQ(GetActiveWindow(), b);
    Watch({WM_ACTIVATE});
    win::NativeActivated(a, false);
    EXPECT_EQ(GetActiveWindow(), b);
    win::NativeActivated(b, false);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    win::NativeActivated(a, true);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_THAT(Take(), ElementsAre("B:WM_ACTIVATE", "A:WM_ACTIVATE"));

    win::NativeActivated(child, true);
    win::NativeActivated(nullptr, true);
    ShowWindow(b, SW_HIDE);
    win::NativeActivated(b, true);
    EXPECT_EQ(GetActiveWindow(), a);
    EnableWindow(a, FALSE);
    win::NativeActivated(a, false);
    win::NativeActivated(a, true);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

} // namespace
} // namespace wintest
