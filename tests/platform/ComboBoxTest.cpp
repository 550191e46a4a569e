// The drop-down list combo box: its height, the dropped list, mouse and keys open and closed
// with their notifications, and the list's colour request through the combo box.
#include "tests/platform/CtlFixture.h"

#include "platform/ctl/ComboBoxControl.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>

namespace wintest {
namespace {

constexpr int Id = 1007;
const std::string SelChange = "cmd:1007:1";
const std::string DropDown = "cmd:1007:7";
const std::string CloseUp = "cmd:1007:8";
const std::string SelEndOk = "cmd:1007:9";
const std::string SelEndCancel = "cmd:1007:10";
const std::string SetFocusNote = "cmd:1007:3";

class ComboBoxTest : public CtlFixture {
  protected:
    HWND Combo(std::vector<std::string> entries, int height = 120,
               DWORD style = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL) {
        HWND combo = Make("ComboBox", "", style, {20, 20, 170, 20 + height}, Id);
        for (const auto& e : entries) {
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
        }
        display->Pump();
        events.clear();
        return combo;
    }
    static HWND ListOf(HWND combo) {
        COMBOBOXINFO info;
        return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
    }
    static LRESULT Sel(HWND combo) { return SendMessageA(combo, CB_GETCURSEL, 0, 0); }
    static bool Dropped(HWND combo) { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    // Screen point in the middle of a list entry.
    POINT Entry(HWND combo, int index) const {
        HWND list = ListOf(combo);
        RECT r{};
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list, &p);
        return p;
    }
    void Open(HWND combo) {
        ClickAt(combo, 10, 5);
        ASSERT_TRUE(Dropped(combo));
    }
};

const std::vector<std::string> Tables{"orders", "Customers", "items", "invoices", "stock"};

TEST_F(ComboBoxTest, TheFieldTakesItsHeightFromTheFontAndTheListTheRest) {
    HWND combo = Combo(Tables);
    RECT wr{};
    GetWindowRect(combo, &wr);
    EXPECT_EQ(Pixel(combo, 0, 0), GetSysColor(COLOR_BTNSHADOW)) << "sunken field";
    EXPECT_EQ(Pixel(combo, wr.right - wr.left - 10, 5), GetSysColor(COLOR_BTNFACE)) << "button";
    const LRESULT field = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(wr.bottom - wr.top, field);
    const int ih = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    Open(combo);
    HWND list = ListOf(combo);
    RECT lr{};
    GetWindowRect(list, &lr);
    EXPECT_EQ(lr.top, wr.bottom);
    EXPECT_EQ(lr.left, wr.left);
    EXPECT_EQ(lr.right, wr.right);
    const int fit = (120 - static_cast<int>(field) - 2) / ih;
    EXPECT_EQ(lr.bottom - lr.top, std::min(fit, 5) * ih + 2) << "whole entries";
    EXPECT_EQ((GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL) != 0, fit < 5);
    EXPECT_EQ(GetWindowLongPtrA(list, GWLP_ID), 0x7FFE);
    EXPECT_EQ(GetWindow(list, GW_OWNER), dialog);
    EXPECT_EQ(GetActiveWindow(), dialog) << "the list never activates";
    RECT dropped{};
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom, lr.bottom);
    PressKey(VK_ESCAPE);
    HWND small = Combo(Tables, 10);
    SendMessageA(small, CB_SHOWDROPDOWN, TRUE, 0);
    GetWindowRect(ListOf(small), &lr);
    EXPECT_EQ(lr.bottom - lr.top, ih + 2) << "at least one entry";
    EXPECT_NE(GetWindowLongPtrA(ListOf(small), GWL_STYLE) & WS_VSCROLL, 0);
}

TEST_F(ComboBoxTest, EntriesSortIgnoringCaseAndCodeSelectsSilently) {
    HWND combo = Combo({"b", "B", "a", "C"});
    char text[8];
    std::string order;
    for (int i = 0; i < 4; ++i) {
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        order += text;
    }
    EXPECT_EQ(order, "aBbC");
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("c")),
              3);
    EXPECT_EQ(Sel(combo), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(Text(combo), "b");
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 9, 0), CB_ERR);
    SendMessageA(combo, CB_DELETESTRING, 0, 0);
    EXPECT_EQ(Text(combo), "b") << "the selection follows its entry";
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(Sel(combo), CB_ERR);
    EXPECT_EQ(Text(combo), "");
    EXPECT_TRUE(Events().empty());
}

TEST_F(ComboBoxTest, ClickDropsHoverHighlightsClickPicksAndCloses) {
    HWND combo = Combo(Tables);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    Open(combo);
    EXPECT_EQ(Events(), (std::vector<std::string>{SetFocusNote, DropDown}));
    const POINT third = Entry(combo, 3);
    display->MoveMouse(third.x, third.y);
    display->Pump();
    EXPECT_EQ(SendMessageA(ListOf(combo), LB_GETCURSEL, 0, 0), 3) << "hover highlights";
    EXPECT_EQ(Sel(combo), 0);
    EXPECT_TRUE(Events().empty()) << "never a notification for hovering";
    display->Click(third.x, third.y);
    display->Pump();
    EXPECT_EQ(Events(), (std::vector<std::string>{SelChange, CloseUp, SelEndOk}));
    EXPECT_FALSE(Dropped(combo));
    EXPECT_FALSE(IsWindowVisible(ListOf(combo)));
    EXPECT_EQ(Sel(combo), 3);
    EXPECT_EQ(Text(combo), "orders");
    EXPECT_EQ(GetCapture(), nullptr);
}

// The dropped list's thumb scrolls it while the list keeps the capture the combo box gave it,
// so the next click still picks an entry.
TEST_F(ComboBoxTest, TheDroppedListsThumbScrollsItAndTheListStaysOpen) {
    std::vector<std::string> many;
    for (int i = 10; i < 50; ++i) {
        many.push_back("t" + std::to_string(i));
    }
    HWND combo = Combo(many);
    Open(combo);
    HWND list = ListOf(combo);
    RECT client{};
    GetClientRect(list, &client);
    POINT thumb{client.right + GetSystemMetrics(SM_CXVSCROLL) / 2,
                GetSystemMetrics(SM_CYVSCROLL) + 2};
    ClientToScreen(list, &thumb);
    Drag(thumb, {thumb.x, thumb.y + 1000});
    EXPECT_TRUE(Dropped(combo));
    EXPECT_EQ(GetCapture(), list);
    EXPECT_GT(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    Events();
    display->Click(Entry(combo, 39));
    display->Pump();
    EXPECT_EQ(Sel(combo), 39);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Events(), (std::vector<std::string>{SelChange, CloseUp, SelEndOk}));
}

TEST_F(ComboBoxTest, EscapeAndClickOutsideCloseUnchanged) {
    HWND combo = Combo(Tables);
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    std::vector<std::string> parentClicks;
    On(dialog, WM_LBUTTONDOWN, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        parentClicks.push_back("down");
        return 0;
    });
    Open(combo);
    Events();
    POINT p = Entry(combo, 4);
    display->MoveMouse(p.x, p.y);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Events(), (std::vector<std::string>{CloseUp, SelEndCancel}));
    EXPECT_EQ(Sel(combo), 1);
    EXPECT_EQ(SendMessageA(ListOf(combo), LB_GETCURSEL, 0, 0), 1);
    Open(combo);
    Events();
    p = Entry(combo, 4);
    display->MoveMouse(p.x, p.y);
    display->Click(300, 250);
    display->Pump();
    EXPECT_EQ(Events(), (std::vector<std::string>{CloseUp, SelEndCancel}));
    EXPECT_TRUE(parentClicks.empty()) << "the press that closes goes nowhere else";
    EXPECT_EQ(Sel(combo), 1);
    ClickAt(combo, 10, 5);
    ClickAt(combo, 10, 5);
    EXPECT_FALSE(Dropped(combo)) << "a click on the field toggles";
    EXPECT_EQ(Events(), (std::vector<std::string>{DropDown, CloseUp, SelEndCancel}));
}

TEST_F(ComboBoxTest, KeysChangeTheSelectionClosedAndOpenWithANotificationEach) {
    HWND combo = Combo(Tables);
    SetFocus(combo);
    Events();
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(Text(combo), "invoices");
    display->TypeText("i");
    display->Pump();
    EXPECT_EQ(Text(combo), "items");
    PressKey(VK_END);
    PressKey(VK_HOME);
    PressKey(VK_UP);
    EXPECT_EQ(Events(), std::vector<std::string>(5, SelChange)) << "nothing at the top";
    PressKey(VK_DOWN, VK_MENU);
    EXPECT_TRUE(Dropped(combo));
    EXPECT_EQ(SendMessageA(combo, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
    PressKey(VK_DOWN);
    display->TypeText("o");
    display->Pump();
    EXPECT_EQ(Sel(combo), 3);
    EXPECT_TRUE(Dropped(combo));
    PressKey(VK_RETURN);
    EXPECT_EQ(Events(), (std::vector<std::string>{DropDown, SelChange, SelChange, SelChange,
                                                  CloseUp, SelEndOk}));
    EXPECT_EQ(Text(combo), "orders");
    PressKey(VK_F4);
    EXPECT_TRUE(Dropped(combo));
    PressKey(VK_UP);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Text(combo), "items") << "a key's move stands after Escape";
    EXPECT_EQ(Events(), (std::vector<std::string>{DropDown, SelChange, CloseUp, SelEndCancel}));
}

TEST_F(ComboBoxTest, TheListAsksTheComboForColoursWithItsOwnHandle) {
    HWND combo = Combo(Tables);
    std::vector<HWND> reachedCombo;
    static std::vector<HWND>* requests = nullptr;
    static WNDPROC original = nullptr;
    requests = &reachedCombo;
    original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(combo, GWLP_WNDPROC));
    SetWindowLongPtrA(
        combo, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_CTLCOLORLISTBOX) {
                const auto from = reinterpret_cast<HWND>(l);
                requests->push_back(from);
                // As the auto-widening combo box does, from inside the list's paint.
                RECT r{};
                GetWindowRect(from, &r);
                SetWindowPos(from, nullptr, 0, 0, 250, r.bottom - r.top,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return CallWindowProcA(original, h, m, w, l);
        }));
    HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
    std::vector<HWND> reachedParent;
    On(dialog, WM_CTLCOLORLISTBOX, [&](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        reachedParent.push_back(reinterpret_cast<HWND>(l));
        return reinterpret_cast<LRESULT>(green);
    });
    Open(combo);
    HWND list = ListOf(combo);
    ASSERT_FALSE(reachedCombo.empty());
    EXPECT_EQ(reachedCombo.back(), list);
    EXPECT_NE(std::find(reachedParent.begin(), reachedParent.end(), list), reachedParent.end())
        << "the combo's default asks its parent";
    const std::size_t before = reachedCombo.size();
    InvalidateRect(list, nullptr, TRUE);
    display->Pump();
    EXPECT_EQ(reachedCombo.size(), before + 1) << "asked again at each drawing";
    RECT lr{};
    GetWindowRect(list, &lr);
    const gfx::Surface* surface = win::WindowSurface(list);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(lr.right - lr.left, 250) << "widened while it painted";
    EXPECT_EQ(surface->ColorAt(lr.right - lr.left - 4, lr.bottom - lr.top - 3), RGB(0, 160, 0));
    EXPECT_EQ(surface->ColorAt(0, 0), RGB(0, 0, 0)) << "the list's border";
    PressKey(VK_ESCAPE);
    SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    DeleteObject(green);
}

} // namespace
} // namespace wintest
