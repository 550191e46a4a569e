// The list box: keys, type-ahead, searches, hit-testing, owner drawing, the redraw switch and
// the scroll bar strip, all through the headless display's input.
#include "tests/platform/CtlFixture.h"

#include "platform/gfx/Gdi.h"

#include <string>

namespace wintest {
namespace {

constexpr int Id = 1005;
const std::string SelChange = "cmd:1005:1";

class ListBoxTest : public CtlFixture {
  protected:
    HWND List(DWORD style, int rows, std::vector<std::string> entries) {
        HWND probe = Make("ListBox", "", LBS_NOINTEGRALHEIGHT, {0, 0, 10, 10}, 1);
        const int ih = static_cast<int>(SendMessageA(probe, LB_GETITEMHEIGHT, 0, 0));
        DestroyWindow(probe);
        HWND list = Make("ListBox", "", style, {10, 10, 150, 10 + rows * ih + 2}, Id);
        for (const auto& e : entries) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
        }
        display->Pump();
        events.clear();
        return list;
    }
    static LRESULT Sel(HWND list) { return SendMessageA(list, LB_GETCURSEL, 0, 0); }
    static LRESULT Top(HWND list) { return SendMessageA(list, LB_GETTOPINDEX, 0, 0); }
    static LRESULT Find(HWND list, UINT msg, int start, const char* text) {
        return SendMessageA(list, msg, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
    }
    static std::vector<std::string> Numbered(int n) {
        std::vector<std::string> v;
        for (int i = 0; i < n; ++i) {
            v.push_back("item" + std::to_string(100 + i));
        }
        return v;
    }
};

TEST_F(ListBoxTest, KeysMoveTheSelectionByLinePageAndEnd) {
    HWND list = List(WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 5, Numbered(20));
    SetFocus(list);
    Events();
    PressKey(VK_DOWN);
    EXPECT_EQ(Sel(list), 0) << "the first arrow selects the first entry";
    PressKey(VK_DOWN);
    EXPECT_EQ(Sel(list), 1);
    PressKey(VK_NEXT);
    EXPECT_EQ(Sel(list), 5) << "a page of five entries moves four";
    PressKey(VK_END);
    EXPECT_EQ(Sel(list), 19);
    EXPECT_EQ(Top(list), 15);
    PressKey(VK_PRIOR);
    EXPECT_EQ(Sel(list), 15);
    PressKey(VK_HOME);
    EXPECT_EQ(Sel(list), 0);
    EXPECT_EQ(Events(), std::vector<std::string>(6, SelChange));
    PressKey(VK_UP);
    EXPECT_EQ(Sel(list), 0);
    SendMessageA(list, LB_SETCURSEL, 7, 0);
    EXPECT_EQ(Sel(list), 7);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(Sel(list), -1);
    EXPECT_TRUE(Events().empty()) << "no move at the top, nothing for code";
    EXPECT_EQ(SendMessageA(list, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(ListBoxTest, TypedCharacterSelectsTheNextEntryBeginningWithItWrapping) {
    HWND list = List(LBS_NOTIFY, 5, {"apple", "Banana", "blueberry", "cherry", "avocado"});
    SetFocus(list);
    Events();
    display->TypeText("b");
    display->Pump();
    EXPECT_EQ(Sel(list), 1);
    display->TypeText("bb");
    display->Pump();
    EXPECT_EQ(Sel(list), 1) << "2, then wrapped round to 1";
    display->TypeText("A");
    display->Pump();
    EXPECT_EQ(Sel(list), 4);
    display->TypeText("z");
    display->Pump();
    EXPECT_EQ(Sel(list), 4);
    EXPECT_EQ(Events(), std::vector<std::string>(4, SelChange));
}

TEST_F(ListBoxTest, SearchesIgnoreCaseStartAfterTheGivenEntryAndWrap) {
    HWND list = List(0, 5, {"apple", "Banana", "blueberry", "cherry", "BANANA"});
    EXPECT_EQ(Find(list, LB_FINDSTRING, -1, "b"), 1);
    EXPECT_EQ(Find(list, LB_FINDSTRING, 1, "B"), 2);
    EXPECT_EQ(Find(list, LB_FINDSTRING, 4, "ban"), 1) << "wraps to the top";
    EXPECT_EQ(Find(list, LB_FINDSTRING, 99, "apple"), 0) << "a bad start searches from the top";
    EXPECT_EQ(Find(list, LB_FINDSTRING, -1, "bananas"), LB_ERR);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, -1, "banana"), 1);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, 1, "banana"), 4);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, -1, "Ban"), LB_ERR);
    EXPECT_EQ(Find(list, LB_FINDSTRINGEXACT, -1, nullptr), LB_ERR);
}

TEST_F(ListBoxTest, EntriesAreAddedInsertedDeletedAndReadBack) {
    HWND sorted = List(LBS_SORT, 5, {"b", "B", "a", "c", "A"});
    std::string order;
    char buffer[16];
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(SendMessageA(sorted, LB_GETTEXT, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(buffer)),
                  1);
        order += buffer;
    }
    EXPECT_EQ(order, "AaBbc") << "ignoring case first, then by bytes";
    HWND list = List(0, 5, {"one", "two", "three"});
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("new")), 1);
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("x")), LB_ERR);
    SendMessageA(list, LB_SETCURSEL, 3, 0);
    SendMessageA(list, LB_SETITEMDATA, 3, 77);
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(Sel(list), 2) << "the selection follows its entry";
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 2, 0), 77);
    EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 2, 0), 5);
    EXPECT_EQ(SendMessageA(list, LB_GETTEXTLEN, 3, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 0, 0), LB_ERR) << "no buffer";
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMRECT, 0, 0), LB_ERR);
    const std::string huge(1 << 20, 'h');
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(huge.c_str())), 3);
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, 0), 4) << "null adds an empty entry";
    display->Pump();
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Sel(list), -1);
}

TEST_F(ListBoxTest, ItemFromPointFlagsPointsOutsideTheEntries) {
    HWND list = List(LBS_NOINTEGRALHEIGHT, 6, {"a", "b", "c"});
    const int ih = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    auto at = [&](int x, int y) {
        return SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    };
    EXPECT_EQ(at(5, 1), MAKELPARAM(0, 0));
    EXPECT_EQ(at(5, 2 * ih + 1), MAKELPARAM(2, 0));
    EXPECT_EQ(at(5, 5 * ih), MAKELPARAM(2, 1)) << "below the last entry: the last, flagged";
    EXPECT_EQ(at(-3, ih + 1), MAKELPARAM(1, 1)) << "left of the client area";
    RECT r{};
    EXPECT_EQ(SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), LB_OKAY);
    EXPECT_EQ(r.top, ih);
    EXPECT_EQ(r.bottom, 2 * ih);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(HIWORD(static_cast<WPARAM>(at(5, 1))), 1) << "no entries at all";
    HWND many = List(LBS_NOINTEGRALHEIGHT, 4, Numbered(20));
    EXPECT_EQ(SendMessageA(many, LB_SETTOPINDEX, 5, 0), LB_OKAY);
    EXPECT_EQ(
        LOWORD(static_cast<WPARAM>(SendMessageA(many, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 1)))), 5);
    EXPECT_EQ(SendMessageA(many, LB_SETTOPINDEX, 19, 0), LB_OKAY);
    EXPECT_EQ(Top(many), 16) << "the last page stays full";
}

// Past the 16-bit index: the hit test names the 65,537th entry whole, a click picks it and the
// thumb reaches the last page.
TEST_F(ListBoxTest, SeventyThousandEntriesAClickPicksTheEntryUnderThePointer) {
    constexpr int Entries = 70000;
    constexpr int Picked = 65536;
    HWND list = List(WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 6, {});
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < Entries; ++i) {
        const std::string text = "c" + std::to_string(i);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    SendMessageA(list, LB_SETTOPINDEX, Picked - 2, 0);
    const int ih = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 2 * ih + 1));
    EXPECT_EQ(ItemFromPointIndex(hit), Picked);
    EXPECT_FALSE(ItemFromPointOutside(hit));
    ClickAt(list, 20, 2 * ih + 1);
    EXPECT_EQ(Sel(list), Picked);
    char text[16] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(Picked), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "c65536");
    EXPECT_EQ(Events(), (std::vector<std::string>{"cmd:1005:4", SelChange}));

    RECT client{};
    GetClientRect(list, &client);
    const int thumbY = GetSystemMetrics(SM_CYVSCROLL) + 2;
    SendMessageA(list, LB_SETTOPINDEX, 0, 0);
    const POINT thumb = At(list, client.right + 8, thumbY);
    Drag(thumb, {thumb.x, thumb.y + 1000});
    EXPECT_EQ(Top(list), Entries - 6);
}

TEST_F(ListBoxTest, OwnerDrawMeasuresOnceAndDrawsEachEntryWithActionAndState) {
    std::vector<MEASUREITEMSTRUCT> measured;
    On(dialog, WM_MEASUREITEM, [&](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        measured.push_back(*m);
        m->itemHeight = 20;
        return TRUE;
    });
    HWND list =
        Make("ListBox", "", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
             {10, 10, 150, 110}, Id);
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0].CtlType, ODT_LISTBOX);
    EXPECT_EQ(measured[0].CtlID, static_cast<UINT>(Id));
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 20);
    Events();
    drawn.clear();
    for (const char* s : {"*", "id", "name"}) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    EXPECT_EQ(Events(), (std::vector<std::string>{"draw:1:0", "draw:1:0", "draw:1:0"}));
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].itemID, 1u);
    EXPECT_EQ(drawn[1].rcItem.top, 20);
    EXPECT_EQ(drawn[1].rcItem.bottom, 40);
    EXPECT_EQ(drawn[1].hwndItem, list);
    char text[16] = {};
    SendMessageA(list, LB_GETTEXT, drawn[2].itemID, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "name");
    SetFocus(list);
    EXPECT_EQ(Events(), (std::vector<std::string>{"draw:4:16", "cmd:1005:4"}));
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(Events(), (std::vector<std::string>{"draw:2:17", SelChange, "draw:2:0", "draw:2:17",
                                                  SelChange}));
    SetFocus(dialog);
    EXPECT_EQ(Events(), (std::vector<std::string>{"draw:4:1", "cmd:1005:5"}));
}

TEST_F(ListBoxTest, NothingIsDrawnWhileRedrawIsOffAndAllOfItWhenOn) {
    HWND list = Make("ListBox", "", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                     {10, 10, 150, 110}, Id);
    Events();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (const char* s : {"a", "b"}) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    }
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    EXPECT_TRUE(Events().empty());
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(Events(), (std::vector<std::string>{"draw:1:0", "draw:1:1"}));
}

// The strip's arrows, repeat, paging and dragging are the list view's too (ListViewTest); here
// what the list box adds: the strip comes when the entries stop fitting, takes the scroll
// codes, draws its thumb where it is dragged and adds a fine wheel up to notches.
TEST_F(ListBoxTest, StripComesWhenTheEntriesDoNotFitAndFollowsCodesThumbAndWheel) {
    HWND list = List(WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 5, Numbered(5));
    RECT client{};
    GetClientRect(list, &client);
    const LONG before = client.right;
    EXPECT_EQ(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL, 0);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("six"));
    display->Pump();
    GetClientRect(list, &client);
    EXPECT_NE(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_EQ(client.right, before - GetSystemMetrics(SM_CXVSCROLL));
    ClickAt(list, client.right + 8, client.bottom - 4);
    EXPECT_EQ(Top(list), 1) << "the down arrow";
    for (const auto& e : Numbered(44)) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    }
    for (const auto& [code, top] :
         {std::pair{MAKEWPARAM(SB_THUMBTRACK, 7), 7}, std::pair{MAKEWPARAM(SB_BOTTOM, 0), 45},
          std::pair{MAKEWPARAM(SB_TOP, 0), 0}}) {
        SendMessageA(list, WM_VSCROLL, code, 0);
        EXPECT_EQ(Top(list), top) << LOWORD(code);
    }
    const POINT thumb = At(list, client.right + 8, GetSystemMetrics(SM_CYVSCROLL) + 2);
    display->MoveMouse(thumb.x, thumb.y);
    display->ButtonDown();
    display->MoveMouse(thumb.x, thumb.y + 1000);
    display->Pump();
    EXPECT_EQ(Top(list), 45) << "the entries follow the thumb";
    const int low = client.bottom - GetSystemMetrics(SM_CYVSCROLL) - 3;
    EXPECT_EQ(Pixel(list, client.right + 6, low), GetSysColor(COLOR_BTNFACE))
        << "the strip shows the thumb at its new place";
    EXPECT_EQ(Pixel(list, client.right + 7, low), GetSysColor(COLOR_BTNFACE));
    display->MoveMouse(thumb.x, thumb.y);
    Release();
    EXPECT_EQ(Top(list), 0);
    EXPECT_EQ(Sel(list), -1) << "scrolling selects nothing";
    EXPECT_NE(Pixel(list, client.right + 6, low), Pixel(list, client.right + 7, low))
        << "and the dithered track where it left";
    SetFocus(list);
    for (const int top : {0, 0, 3}) {
        display->Wheel(-WHEEL_DELTA / 3);
        display->Pump();
        EXPECT_EQ(Top(list), top) << "three lines a whole notch";
    }
}

TEST_F(ListBoxTest, PressSelectsAndTheSelectionFollowsTheDragDoubleClickNotifies) {
    HWND list = List(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 6, Numbered(5));
    const int ih = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT p = At(list, 20, ih + 2);
    PressAt(p);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(GetCapture(), list);
    p = At(list, 20, 3 * ih + 2);
    display->MoveMouse(p.x, p.y);
    Release();
    EXPECT_EQ(Sel(list), 3);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"cmd:1005:4", SelChange, SelChange}));
    display->DoubleClick(p.x, p.y);
    display->Pump();
    EXPECT_EQ(Events(), (std::vector<std::string>{"cmd:1005:2"}));
}

TEST_F(ListBoxTest, ColoursComeFromTheParentsAnswer) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    std::vector<HWND> asked;
    On(dialog, WM_CTLCOLORLISTBOX, [&](HWND, UINT, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        asked.push_back(reinterpret_cast<HWND>(l));
        SetTextColor(reinterpret_cast<HDC>(w), RGB(0, 0, 255));
        return reinterpret_cast<LRESULT>(red);
    });
    HWND list = List(LBS_NOINTEGRALHEIGHT, 5, {"a", "b"});
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    display->Pump();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), list);
    const int ih = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(Pixel(list, 120, 4 * ih), RGB(255, 0, 0)) << "below the entries";
    EXPECT_EQ(Pixel(list, 120, ih + ih / 2), GetSysColor(COLOR_HIGHLIGHT));
    DeleteObject(red);
}

} // namespace
} // namespace wintest
