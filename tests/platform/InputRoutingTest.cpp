// Mouse and keyboard input injected on the headless display and routed to windows.
#include "tests/platform/WinFixture.h"

#include "platform/win/WindowManager.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

namespace wintest {
namespace {

using ::testing::ElementsAre;

class Input : public WinFixture {
  protected:
    // Logs mouse messages with their client position and key flags.
    void Record(HWND hwnd, UINT msg) {
        On(hwnd, msg, [this](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
            points.push_back(names[h] + ":" + MessageName(m) + "@" +
                             std::to_string(GET_X_LPARAM(l)) + "," +
                             std::to_string(GET_Y_LPARAM(l)) + "/" + std::to_string(w));
            return std::nullopt;
        });
    }
    std::vector<std::string> points;
};

TEST_F(Input, ClicksGoToTheDeepestWindowAndFollowTheCapture) {
    HWND d = Popup("D", {100, 100, 300, 300});
    HWND c = Child("C", d, {10, 10, 60, 60});
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE}) {
        Record(c, m);
        Record(d, m);
    }
    display->Click(120, 125);
    display->Pump();
    EXPECT_THAT(points, ElementsAre("C:WM_MOUSEMOVE@10,15/0", "C:WM_LBUTTONDOWN@10,15/1",
                                    "C:WM_LBUTTONUP@10,15/0"));
    points.clear();
    On(c, WM_LBUTTONDOWN, [](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        SetCapture(h);
        return 0;
    });
    display->MoveMouse(120, 125);
    display->ButtonDown();
    display->MoveMouse(250, 260);
    display->ButtonUp();
    display->Pump();
    EXPECT_THAT(points, ElementsAre("C:WM_MOUSEMOVE@10,15/0", "C:WM_MOUSEMOVE@140,150/1",
                                    "C:WM_LBUTTONUP@140,150/0"))
        << "the capture takes the move with MK_LBUTTON and the release outside";
    EXPECT_EQ(GetMessagePos(), static_cast<DWORD>(MAKELPARAM(250, 260)));
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 250);
    EXPECT_EQ(WindowFromPoint({120, 125}), c);
}

TEST_F(Input, DoubleClicksNeedTheClassStyleTimeAndPlace) {
    HWND d = Popup("D", {0, 0, 300, 300});
    pendingName = "X";
    HWND dbl = CreateWindowExA(0, DoubleClickClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, d,
                               nullptr, nullptr, nullptr);
    names[dbl] = "X";
    Child("P", d, {150, 0, 250, 100});
    Watch({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
    display->DoubleClick(50, 50);
    display->DoubleClick(200, 50);
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("X:WM_LBUTTONDOWN", "X:WM_LBUTTONDBLCLK", "P:WM_LBUTTONDOWN",
                                    "P:WM_LBUTTONDOWN"));
    display->Click(50, 50);
    display->AdvanceClock(501);
    display->Click(50, 50);
    display->Click(52, 48);
    display->Click(55, 48);
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("X:WM_LBUTTONDOWN", "X:WM_LBUTTONDOWN", "X:WM_LBUTTONDBLCLK",
                                    "X:WM_LBUTTONDOWN"))
        << "too slow; 2 pixels away counts; a third press starts afresh";
}

TEST_F(Input, DisabledWindowsGetNothing) {
    HWND d = Popup("D", {0, 0, 200, 200});
    HWND c = Child("C", d, {10, 10, 60, 60});
    HWND other = Popup("O", {300, 0, 400, 100});
    EnableWindow(c, FALSE);
    EnableWindow(other, FALSE);
    Watch({WM_LBUTTONDOWN});
    display->Click(20, 20);
    display->Click(350, 50);
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("D:WM_LBUTTONDOWN"))
        << "a disabled child's click is its parent's";
    EXPECT_EQ(WindowFromPoint({20, 20}), d);
    EXPECT_EQ(WindowFromPoint({350, 50}), nullptr);
}

TEST_F(Input, KeysGoToTheFocusAndMakeCharacters) {
    HWND d = Popup("D", {0, 0, 200, 200});
    HWND c = Child("C", d, {10, 10, 60, 60});
    SetFocus(c);
    std::string typed;
    On(c, WM_CHAR, [&](HWND, UINT, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        typed.push_back(static_cast<char>(w));
        return 0;
    });
    Watch({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN});
    display->Key('M');
    display->KeyDown(VK_SHIFT);
    display->Key('M');
    display->Key('1');
    display->KeyUp(VK_SHIFT);
    display->Key(VK_DOWN);
    display->Key(VK_RETURN);
    display->TypeText("é");
    display->Pump();
    EXPECT_EQ(typed, "mM!\r\xC3\xA9");
    auto seen = Take();
    EXPECT_EQ(seen.front(), "C:WM_KEYDOWN");
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "C:WM_KEYDOWN"), 6);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "released";

    display->Chord({VK_MENU}, 'X');
    display->Pump();
    EXPECT_EQ(std::count(log.begin(), log.end(), "C:WM_SYSKEYDOWN"), 2) << "Alt makes system keys";
}

// What each key message says, with the modifiers seen through GetKeyState while it is handled.
TEST_F(Input, ChordsMakeControlCodesAndAltMakesSystemMessages) {
    HWND d = Popup("D", {0, 0, 200, 200});
    SetFocus(d);
    std::vector<std::string> seen;
    auto record = [&](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        std::string held = GetKeyState(VK_CONTROL) < 0 ? "^" : "";
        held += GetKeyState(VK_MENU) < 0 ? "@" : "";
        held += (l & (1 << 29)) ? "ctx" : "";
        seen.push_back(MessageName(m) + ":" + held + std::to_string(w));
        return 0;
    };
    for (UINT m : {WM_KEYDOWN, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR}) {
        On(d, m, record);
    }
    display->Chord({VK_CONTROL}, 'A');
    display->Chord({VK_CONTROL, VK_SHIFT}, 'Z');
    display->Chord({VK_CONTROL}, VK_OEM_4);
    display->Chord({VK_CONTROL}, '1');
    display->Chord({VK_CONTROL, VK_MENU}, 'A');
    display->Chord({VK_MENU}, 'X');
    display->Pump();
    EXPECT_THAT(seen,
                ElementsAre("WM_KEYDOWN:^17", "WM_KEYDOWN:^65", "WM_CHAR:^1", "WM_KEYDOWN:^17",
                            "WM_KEYDOWN:^16", "WM_KEYDOWN:^90", "WM_CHAR:^26", "WM_KEYDOWN:^17",
                            "WM_KEYDOWN:^219", "WM_CHAR:^27", "WM_KEYDOWN:^17", "WM_KEYDOWN:^49",
                            "WM_KEYDOWN:^17", "WM_KEYDOWN:^@ctx18", "WM_KEYDOWN:^@ctx65",
                            "WM_SYSKEYDOWN:@ctx18", "WM_SYSKEYDOWN:@ctx88", "WM_SYSCHAR:@ctx120",
                            "WM_SYSKEYUP:@ctx88", "WM_SYSKEYUP:ctx18"));
    EXPECT_GE(GetKeyState(VK_CONTROL), 0) << "released";
}

TEST_F(Input, HitTestAnswersAndMouseActivationChoices) {
    HWND back = Popup("B", {0, 0, 200, 200});
    HWND tip = Popup("T", {50, 50, 100, 100});
    On(tip, WM_NCHITTEST,
       [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return HTTRANSPARENT; });
    EXPECT_EQ(WindowFromPoint({60, 60}), back) << "transparent windows are looked through";
    SetCursor(nullptr);
    Watch({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDOWN, WM_MOUSEACTIVATE, WM_SETCURSOR});
    display->Click(60, 60, win::MouseButton::Right);
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("B:WM_SETCURSOR", "B:WM_MOUSEACTIVATE", "B:WM_SETCURSOR",
                                    "B:WM_RBUTTONDOWN", "B:WM_SETCURSOR", "B:WM_RBUTTONUP"))
        << "the move, then the press activating, then the release";
    EXPECT_EQ(GetActiveWindow(), back);
    EXPECT_EQ(win::WindowManager::Get().cursor, LoadCursorA(nullptr, IDC_ARROW))
        << "the class cursor";

    HWND other = Popup("O", {300, 0, 400, 100});
    On(back, WM_MOUSEACTIVATE,
       [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return MA_NOACTIVATEANDEAT; });
    display->Click(10, 10);
    display->Pump();
    EXPECT_EQ(GetActiveWindow(), other);
    auto seen = Take();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "B:WM_LBUTTONDOWN"), 0) << "eaten";
}

TEST_F(Input, WheelGoesToTheFocusThenUpTheParents) {
    HWND d = Popup("D", {0, 0, 200, 200});
    HWND c = Child("C", d, {10, 10, 60, 60});
    SetFocus(c);
    int delta = 0;
    On(d, WM_MOUSEWHEEL, [&](HWND, UINT, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        delta = static_cast<short>(HIWORD(w));
        return 0;
    });
    display->MoveMouse(150, 150);
    display->Wheel(-120);
    display->Pump();
    EXPECT_EQ(delta, -120);
}

TEST_F(Input, TheCloseBoxClosesAndAltF4Too) {
    HWND a = CreateWindowExA(0, ClassName, "Title", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                             100, 100, 200, 150, nullptr, nullptr, nullptr, nullptr);
    names[a] = "A";
    EXPECT_EQ(SendMessageA(a, WM_NCHITTEST, 0, MAKELPARAM(150, 105)), HTCAPTION);
    EXPECT_EQ(SendMessageA(a, WM_NCHITTEST, 0, MAKELPARAM(290, 107)), HTCLOSE);
    EXPECT_EQ(SendMessageA(a, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTCLIENT);
    EXPECT_EQ(SendMessageA(a, WM_NCHITTEST, 0, MAKELPARAM(100, 150)), HTBORDER);
    EXPECT_EQ(SendMessageA(a, WM_NCHITTEST, 0, MAKELPARAM(99, 150)), HTNOWHERE);
    Watch({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY});
    display->MoveMouse(290, 107);
    display->ButtonDown();
    display->MoveMouse(200, 200);
    display->ButtonUp();
    display->Pump();
    EXPECT_TRUE(Take().empty()) << "released outside the box";
    display->Click(290, 107);
    display->Pump();
    EXPECT_THAT(Take(), ElementsAre("A:WM_SYSCOMMAND", "A:WM_CLOSE", "A:WM_DESTROY"));
    EXPECT_FALSE(IsWindow(a));

    HWND b = Popup("B", {0, 0, 50, 50});
    display->Chord({VK_MENU}, VK_F4);
    display->Pump();
    EXPECT_FALSE(IsWindow(b));
}

} // namespace
} // namespace wintest
