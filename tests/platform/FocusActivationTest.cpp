// Focus, classic activation and capture, as the drop-down list and the image button use them.
#include "tests/platform/WinFixture.h"

#include <algorithm>

namespace wintest {
namespace {

using ::testing::ElementsAre;

class Focus : public WinFixture {
  protected:
    const std::set<UINT> focusMessages{WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};
};

TEST_F(Focus, KillFocusComesBeforeSetFocus) {
    HWND d = Popup("D", {0, 0, 200, 200});
    HWND a = Child("A", d, {0, 0, 50, 20});
    HWND b = Child("B", d, {0, 30, 50, 50});
    EXPECT_EQ(GetFocus(), d) << "default activation focuses the window itself";
    Watch(focusMessages);
    EXPECT_EQ(SetFocus(a), d);
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_THAT(Take(),
                ElementsAre("D:WM_KILLFOCUS", "A:WM_SETFOCUS", "A:WM_KILLFOCUS", "B:WM_SETFOCUS"));
    EXPECT_EQ(SetFocus(nullptr), b);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_THAT(Take(), ElementsAre("B:WM_KILLFOCUS"));
}

TEST_F(Focus, DropDownStyleActivation) {
    HWND d = Popup("D", {0, 0, 300, 300});
    HWND grid = Child("G", d, {10, 10, 200, 200});
    SetFocus(grid);
    Watch(focusMessages);
    HWND drop = Popup("P", {20, 50, 120, 150}, grid, WS_BORDER);
    HWND list = Child("L", drop, {0, 0, 90, 90});
    EXPECT_THAT(Take(), ElementsAre("D:WM_NCACTIVATE", "D:WM_ACTIVATE", "P:WM_NCACTIVATE",
                                    "P:WM_ACTIVATE", "G:WM_KILLFOCUS", "P:WM_SETFOCUS"));
    EXPECT_EQ(GetActiveWindow(), drop);
    SetFocus(list);
    EXPECT_THAT(Take(), ElementsAre("P:WM_KILLFOCUS", "L:WM_SETFOCUS"));

    display->Click(150, 180); // on the grid, beside the drop-down
    Watch(
        {WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_MOUSEACTIVATE, WM_LBUTTONDOWN});
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("G:WM_MOUSEACTIVATE", "D:WM_MOUSEACTIVATE", "P:WM_NCACTIVATE",
                                    "P:WM_ACTIVATE", "D:WM_NCACTIVATE", "D:WM_ACTIVATE",
                                    "L:WM_KILLFOCUS", "D:WM_SETFOCUS", "G:WM_LBUTTONDOWN"))
        << "a click in an inactive window activates it and is still delivered";

    SetFocus(list); // into the inactive popup: it is activated first and holds the focus briefly
    EXPECT_THAT(Take(),
                ElementsAre("D:WM_NCACTIVATE", "D:WM_ACTIVATE", "P:WM_NCACTIVATE", "P:WM_ACTIVATE",
                            "D:WM_KILLFOCUS", "P:WM_SETFOCUS", "P:WM_KILLFOCUS", "L:WM_SETFOCUS"));

    DestroyWindow(drop);
    EXPECT_EQ(GetActiveWindow(), d) << "the owner is reactivated";
    EXPECT_EQ(GetFocus(), d);
}

TEST_F(Focus, DisabledWindowsTakeNoFocusAndLoseIt) {
    HWND d = Popup("D", {0, 0, 200, 200});
    HWND a = Child("A", d, {0, 0, 50, 20});
    SetFocus(a);
    Watch({WM_ENABLE, WM_KILLFOCUS});
    EXPECT_FALSE(EnableWindow(a, FALSE));
    EXPECT_THAT(Take(), ElementsAre("A:WM_KILLFOCUS", "A:WM_ENABLE"));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(a));
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(a, TRUE)) << "answers whether it was disabled";
    EXPECT_TRUE(IsWindowEnabled(a));
}

TEST_F(Focus, CaptureChangesAreReportedToTheLoser) {
    HWND d = Popup("D", {0, 0, 200, 200});
    HWND a = Child("A", d, {0, 0, 50, 20});
    HWND b = Child("B", d, {0, 30, 50, 50});
    Watch({WM_CAPTURECHANGED});
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(SetCapture(a), a);
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_THAT(Take(), ElementsAre("A:WM_CAPTURECHANGED", "B:WM_CAPTURECHANGED"));
    SetCapture(a);
    DestroyWindow(a);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Focus, HidingOrDestroyingTheActiveWindowMovesActivation) {
    HWND a = Popup("A", {0, 0, 100, 100});
    HWND b = Popup("B", {50, 50, 150, 150});
    EXPECT_EQ(GetActiveWindow(), b);
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), a);
    ShowWindow(b, SW_SHOWNA);
    EXPECT_EQ(GetActiveWindow(), a) << "SW_SHOWNA does not activate";
    SetActiveWindow(b);
    DestroyWindow(b);
    EXPECT_EQ(GetActiveWindow(), a);
    DestroyWindow(a);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

} // namespace
} // namespace wintest
