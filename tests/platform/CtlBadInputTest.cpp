// Basic controls given null pointers, huge texts, stale handles and re-entrant destruction.
#include "tests/platform/CtlFixture.h"

#include "platform/ctl/ScrollApi.h"
#include "platform/gfx/Gdi.h"

namespace wintest {
namespace {

using BadInput = CtlFixture;

TEST_F(BadInput, ControlDestroyedByItsOwnNotificationIsSafe) {
    HWND b = Make("Button", "Close", BS_PUSHBUTTON, {10, 10, 90, 33}, 5);
    HWND e = Make("Edit", "", ES_AUTOHSCROLL, {10, 40, 90, 63}, 6);
    On(dialog, WM_COMMAND, [](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        DestroyWindow(reinterpret_cast<HWND>(l));
        return 0;
    });
    ClickAt(b, 5, 5);
    EXPECT_FALSE(IsWindow(b));
    SetFocus(e); // EN_SETFOCUS destroys it
    display->TypeText("abc");
    display->Pump();
    EXPECT_FALSE(IsWindow(e));
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(GetScrollPos(b, SB_CTL), 0);
}

TEST_F(BadInput, NullPointersAndOddValuesAreHarmless) {
    HWND e = Make("Edit", "text", ES_MULTILINE, {10, 10, 90, 60}, 6, WS_EX_CLIENTEDGE);
    HWND bar = Make("ScrollBar", "", SBS_VERT, {100, 10, 116, 100}, 7);
    HWND s = Make("Static", nullptr, SS_LEFT, {120, 10, 200, 30}, 8);
    HWND b = Make("Button", nullptr, BS_AUTOCHECKBOX, {120, 40, 200, 60}, 9);
    SendMessageA(e, EM_GETSEL, 0, 0);
    SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(-5), 1000);
    SendMessageA(e, EM_SETSEL, 1000, -1);
    EXPECT_EQ(SendMessageA(e, WM_GETTEXTLENGTH, 0, 0), 4);
    SendMessageA(e, WM_GETTEXT, 100, 0);
    SendMessageA(e, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(5)));
    EXPECT_EQ(Text(e), "");
    SendMessageA(bar, SBM_GETRANGE, 0, 0);
    SendMessageA(bar, SBM_SETSCROLLINFO, TRUE, 0);
    SendMessageA(bar, SBM_GETSCROLLINFO, 0, 0);
    EXPECT_TRUE(SetScrollRange(bar, SB_CTL, 10, -10, TRUE));
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 99, TRUE), 10);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 10) << "a reversed range is empty at its minimum";
    EXPECT_FALSE(GetScrollRange(bar, SB_CTL, nullptr, nullptr));
    SendMessageA(b, BM_SETCHECK, 77, 0);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    MoveWindow(e, 10, 10, 0, 0, TRUE);
    MoveWindow(bar, 100, 10, 3, 0, TRUE);
    MoveWindow(s, 120, 10, -5, -5, TRUE);
    SetWindowTextA(e, "still fine");
    display->AdvanceClock(2000);
    ClickAt(bar, 1, 1);
    EXPECT_EQ(Text(s), "");
}

TEST_F(BadInput, HugeTextsStayUsable) {
    HWND e = Make("Edit", "", ES_MULTILINE | ES_READONLY, {10, 10, 200, 100}, 6);
    std::string huge;
    for (int i = 0; i < 40000; ++i) {
        huge += "word\xC3\xA9 ";
    }
    huge += std::string(5000, 'x'); // one word wider than any line
    SetWindowTextA(e, huge.c_str());
    EXPECT_EQ(static_cast<std::size_t>(GetWindowTextLengthA(e)), huge.size());
    EXPECT_GT(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 1000);
    SetFocus(e);
    PressKey(VK_END, VK_CONTROL);
    display->Pump();
    HWND s = Make("Static", huge.c_str(), SS_LEFT, {10, 110, 200, 200}, 7);
    display->Pump();
    EXPECT_EQ(static_cast<std::size_t>(GetWindowTextLengthA(s)), huge.size());
}

} // namespace
} // namespace wintest
