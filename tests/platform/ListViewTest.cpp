#include "tests/platform/ListViewFixture.h"

#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"

#include <string>
#include <tuple>

namespace wintest {

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ListViewTest : public ListViewFixture {
  protected:
    void Reorder(std::vector<int> order) {
        ASSERT_TRUE(SendMessageA(HeaderOf(list), HDM_SETORDERARRAY, order.size(),
                                 reinterpret_cast<LPARAM>(order.data())));
    }
    std::string TextOf(int row, int column) {
        char buffer[64] = {};
        LVITEMA item{.iSubItem = column, .pszText = buffer, .cchTextMax = sizeof(buffer)};
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    void SetRowState(int row, UINT state) {
        LVITEMA item{.state = state, .stateMask = LVIS_SELECTED | LVIS_FOCUSED};
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
    int Top() { return static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0)); }
};

TEST_F(ListViewTest, CustomDrawAsksPerStageInDisplayOrderAndSkipsWhatTheParentDraws) {
    MakeList(2);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Reorder({1, 2, 3, 0});
    drawLog = true;
    Repaint();
    EXPECT_THAT(Notes(), ElementsAre("cd:1:0:0"));
    EXPECT_EQ(drawFont, font);

    prepaintAnswer = CDRF_NOTIFYITEMDRAW;
    itemAnswer = CDRF_NOTIFYSUBITEMDRAW;
    Repaint();
    EXPECT_THAT(Notes(), ElementsAre("cd:1:0:0", "cd:10001:0:0", "cd:30001:0:1", "cd:30001:0:2",
                                     "cd:30001:0:3", "cd:30001:0:0", "cd:10001:1:0", "cd:30001:1:1",
                                     "cd:30001:1:2", "cd:30001:1:3", "cd:30001:1:0"));

    // A selected focused row: highlighted by default, untouched where the parent skips.
    drawLog = false;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    SetFocus(list);
    SetRowState(0, LVIS_SELECTED | LVIS_FOCUSED);
    const RECT cell = SubItemRect(0, 2);
    Repaint();
    EXPECT_EQ(Pixel(list, cell.left + 1, cell.top + 1), GetSysColor(COLOR_HIGHLIGHT));
    subItemAnswer = CDRF_SKIPDEFAULT;
    Repaint();
    EXPECT_EQ(Pixel(list, cell.left + 1, cell.top + 1), GetSysColor(COLOR_WINDOW));
    // Without the focus the selection stays visible in button face.
    subItemAnswer = CDRF_DODEFAULT;
    SetFocus(dialog);
    Repaint();
    EXPECT_EQ(Pixel(list, cell.left + 1, cell.top + 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ListViewTest, OnlyVisibleRowsArePainted) {
    MakeList(1000);
    drawLog = true;
    prepaintAnswer = CDRF_NOTIFYITEMDRAW;
    Repaint();
    const auto got = Notes();
    const auto page = SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0);
    EXPECT_GT(page, 3);
    EXPECT_LE(static_cast<LRESULT>(got.size()), page + 2);
}

TEST_F(ListViewTest, ItemChangedOnPressKeysHoverAndCode) {
    MakeList(10);
    ClickCell(1, 2);
    EXPECT_THAT(Notes(), ElementsAre("changed:1:3:0:8", "click:1:2"));
    EXPECT_EQ(GetFocus(), list);
    ClickCell(2, 0);
    EXPECT_THAT(Notes(), ElementsAre("changed:1:0:3:8", "changed:2:3:0:8", "click:2:0"));

    PressKey(VK_DOWN);
    EXPECT_THAT(Notes(), ElementsAre("key:40", "changed:2:0:3:8", "changed:3:3:0:8"));
    PressKey(VK_F2);
    EXPECT_THAT(Notes(), ElementsAre("key:113"));
    PressKey(VK_END);
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 9);
    display->TypeText("r4");
    display->Pump();
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 4);
    Notes();

    // Press on empty space clears the selection but keeps the focus mark.
    const RECT row1 = ItemRect(1);
    ClickAt(list, row1.right + 10, row1.top + 2);
    EXPECT_THAT(Notes(), ElementsAre("changed:4:1:3:8", "click:-1:0"));

    // By code: single selection clears the other row; column-0 text tells, sub-items do not.
    SetRowState(5, LVIS_SELECTED);
    SetRowState(6, LVIS_SELECTED);
    EXPECT_THAT(Notes(), ElementsAre("changed:5:2:0:8", "changed:5:0:2:8", "changed:6:2:0:8"));
    SetCellText(6, 0, "new");
    SetCellText(6, 2, "new");
    EXPECT_THAT(Notes(), ElementsAre("changed:6:2:2:1"));
    EXPECT_EQ(TextOf(6, 0), "new");
    EXPECT_EQ(TextOf(6, 2), "new");

    // Hover selection after resting 400 ms on a row.
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_TRACKSELECT | LVS_EX_FULLROWSELECT,
                 LVS_EX_TRACKSELECT);
    EXPECT_EQ(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), LVS_EX_TRACKSELECT);
    const RECT row2 = SubItemRect(2, 1);
    display->MoveMouse(At(list, row2.left + 3, row2.top + 3));
    display->Pump();
    display->AdvanceClock(399);
    EXPECT_THAT(Notes(), IsEmpty());
    display->AdvanceClock(1);
    EXPECT_THAT(Notes(), ElementsAre("changed:4:0:1:8", "changed:6:0:2:8", "changed:2:3:0:8"));
}

TEST_F(ListViewTest, ClickAndDoubleClickTellRowAndSubItem) {
    MakeList(5);
    Reorder({1, 2, 3, 0});
    // The pressed row is painted before the release is handled.
    drawLog = true;
    ClickCell(3, 0);
    EXPECT_THAT(Notes(), ElementsAre("changed:3:3:0:8", "cd:1:0:0", "click:3:0"));
    drawLog = false;
    display->AdvanceClock(1000);
    const RECT cell = SubItemRect(2, 3);
    display->DoubleClick(At(list, cell.left + 4, cell.top + 3));
    display->Pump();
    const auto got = Notes();
    EXPECT_THAT(got, Contains("dblclk:2:3"));
    EXPECT_THAT(got, Contains("click:2:3"));
}

TEST_F(ListViewTest, SubItemRectanglesFollowTheHeaderOrderWithTheColumnZeroQuirk) {
    MakeList(3);
    Reorder({1, 2, 3, 0});
    const RECT bounds = ItemRect(1);
    const RECT c1 = SubItemRect(1, 1);
    const RECT c3 = SubItemRect(1, 3);
    const RECT label = ItemRect(1, LVIR_LABEL);
    EXPECT_EQ(c1.left, 0);
    EXPECT_EQ(c1.right, 60);
    EXPECT_EQ(c3.left, 120);
    EXPECT_EQ(label.left, 180);
    EXPECT_EQ(label.right, 240);
    const RECT whole = SubItemRect(1, 0);
    EXPECT_TRUE(EqualRect(&whole, &bounds));
    EXPECT_EQ(whole.right, 240);
    EXPECT_EQ(c1.top, bounds.top);

    LVHITTESTINFO hit;
    hit.pt = {200, (bounds.top + bounds.bottom) / 2};
    EXPECT_EQ(SendMessageA(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_EQ(hit.iSubItem, 0);
    EXPECT_EQ(hit.flags, LVHT_ONITEMLABEL);
    hit.pt = {250, hit.pt.y};
    EXPECT_EQ(SendMessageA(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, LVHT_NOWHERE);

    // A one-column list answers its only cell.
    SendMessageA(list, LVM_DELETECOLUMN, 3, 0);
    SendMessageA(list, LVM_DELETECOLUMN, 2, 0);
    SendMessageA(list, LVM_DELETECOLUMN, 1, 0);
    const RECT only = SubItemRect(0, 0);
    EXPECT_EQ(only.right, 60);
    EXPECT_EQ(SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0), 60);
    EXPECT_TRUE(SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, 90));
    EXPECT_EQ(SubItemRect(0, 0).right, 90);
}

TEST_F(ListViewTest, HiddenHeaderLeavesNoRoomAboveTheRows) {
    MakeList(3);
    HWND header = HeaderOf(list);
    ASSERT_NE(header, nullptr);
    RECT hr{};
    GetClientRect(header, &hr);
    EXPECT_GT(hr.bottom, 0);
    EXPECT_EQ(ItemRect(0).top, hr.bottom);
    const auto style = GetWindowLongPtrA(header, GWL_STYLE);
    SetWindowLongPtrA(header, GWL_STYLE, style | static_cast<LONG_PTR>(HDS_HIDDEN));
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(ItemRect(0).top, 0);
    GetClientRect(header, &hr);
    EXPECT_EQ(hr.bottom, 0);
}

TEST_F(ListViewTest, LabelEditingAsksTheParentAtBothEnds) {
    MakeList(3, LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS);
    // Needs the focus.
    EXPECT_EQ(SendMessageA(list, LVM_EDITLABELA, 0, 0), 0);
    SetFocus(list);
    beginAnswer = 1;
    EXPECT_EQ(SendMessageA(list, LVM_EDITLABELA, 0, 0), 0);
    EXPECT_THAT(Notes(), ElementsAre("begin:0"));
    beginAnswer = 0;

    auto edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_EDITLABELA, 0, 0));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0)), edit);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Text(edit), "r0");
    display->TypeText("xyz");
    PressKey(VK_RETURN);
    EXPECT_THAT(Notes(), ElementsAre("begin:0", "end:0:xyz", "changed:0:0:0:1"));
    EXPECT_EQ(TextOf(0, 0), "xyz");
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(GetFocus(), list);

    // The parent refusing the text, or Escape, leaves the label as it was.
    for (const auto& [answer, key, end] :
         {std::tuple{0, VK_RETURN, "end:1:q"}, std::tuple{1, VK_ESCAPE, "end:1:(null)"}}) {
        endAnswer = answer;
        SendMessageA(list, LVM_EDITLABELA, 1, 0);
        display->TypeText("q");
        PressKey(key);
        EXPECT_THAT(Notes(), ElementsAre("begin:1", end));
        EXPECT_EQ(TextOf(1, 0), "r1");
    }

    // Losing the focus commits.
    edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_EDITLABELA, 2, 0));
    display->TypeText("w");
    display->Pump();
    SetFocus(dialog);
    EXPECT_THAT(Notes(), ElementsAre("begin:2", "end:2:w", "changed:2:0:0:1"));
    EXPECT_FALSE(IsWindow(edit));
}

TEST_F(ListViewTest, ASecondClickOnTheSelectedLabelEditsAfterTheDoubleClickTime) {
    MakeList(3, LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS);
    ClickCell(1, 0);
    display->AdvanceClock(1000);
    ClickCell(1, 0);
    Notes();
    display->AdvanceClock(GetDoubleClickTime());
    EXPECT_THAT(Notes(), ElementsAre("begin:1"));
    EXPECT_NE(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0), 0);
    PressKey(VK_ESCAPE);
    EXPECT_THAT(Notes(), ElementsAre("end:1:(null)"));
}

TEST_F(ListViewTest, RedrawOffPaintsNothingAndOnRepaintsWhole) {
    MakeList(3);
    drawLog = true;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    EXPECT_EQ(InsertRow(99, "late"), 3);
    Repaint();
    EXPECT_THAT(Notes(), IsEmpty());
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_THAT(Notes(), ElementsAre("cd:1:0:0"));
}

TEST_F(ListViewTest, ScrollsByWheelKeysAndMessages) {
    MakeList(50);
    EXPECT_TRUE(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL);
    const int page = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    SetFocus(list);
    display->MoveMouse(At(list, 20, 60));
    display->Wheel(-WHEEL_DELTA);
    display->Pump();
    EXPECT_EQ(Top(), 3);
    PressKey(VK_END);
    EXPECT_EQ(Top(), 50 - page);
    PressKey(VK_HOME);
    EXPECT_EQ(Top(), 0);
    const RECT row = ItemRect(0);
    SendMessageA(list, LVM_SCROLL, 0, (row.bottom - row.top) * 2);
    EXPECT_EQ(Top(), 2);
    EXPECT_TRUE(SendMessageA(list, LVM_ENSUREVISIBLE, 40, FALSE));
    EXPECT_EQ(Top(), 40 - page + 1);
    SendMessageA(list, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(Top(), 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    display->Pump();
    EXPECT_FALSE(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL);
}

// The strip right of the rows: a held arrow repeats on the clock, the track pages and the
// thumb drags the rows along, all through the list's own mouse input.
TEST_F(ListViewTest, StripArrowsRepeatTheTrackPagesAndTheThumbDrags) {
    MakeList(50);
    const int page = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    RECT client{};
    GetClientRect(list, &client);
    const int strip = client.right + GetSystemMetrics(SM_CXVSCROLL) / 2;
    const POINT down = At(list, strip, client.bottom - 4);
    PressAt(down);
    EXPECT_EQ(Top(), 1) << "the down arrow steps at once";
    display->AdvanceClock(400);
    EXPECT_EQ(Top(), 2) << "and repeats while held";
    Release();
    display->AdvanceClock(1000);
    EXPECT_EQ(Top(), 2);
    EXPECT_EQ(GetCapture(), nullptr);

    SendMessageA(list, WM_VSCROLL, SB_TOP, 0);
    display->Click(At(list, strip, client.bottom / 2));
    display->Pump();
    EXPECT_EQ(Top(), page) << "a page below the thumb";

    SendMessageA(list, WM_VSCROLL, SB_TOP, 0);
    const POINT thumb = At(list, strip, GetSystemMetrics(SM_CYVSCROLL) + 2);
    display->MoveMouse(thumb.x, thumb.y);
    display->ButtonDown();
    display->MoveMouse(thumb.x, thumb.y + 1000);
    display->Pump();
    EXPECT_EQ(Top(), 50 - page) << "the rows follow the thumb to the end";
    display->MoveMouse(thumb.x + 30, thumb.y);
    display->Pump();
    EXPECT_EQ(Top(), 0) << "and back, wherever the pointer is across";
    Release();
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_THAT(Notes(), IsEmpty()) << "scrolling changes no row";
    SendMessageA(list, LVM_SCROLL, 0, 0x7FFFFFFF);
    EXPECT_EQ(Top(), 50 - page) << "as far as it goes";
}

TEST_F(ListViewTest, SeventyThousandRowsAClickPicksTheRowUnderThePointer) {
    constexpr int Rows = 70000;
    constexpr int Picked = 65536;
    MakeList(0);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int r = 0; r < Rows; ++r) {
        InsertRow(r, ("r" + std::to_string(r)).c_str());
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_TRUE(SendMessageA(list, LVM_ENSUREVISIBLE, Picked, FALSE));
    Notes();
    ClickCell(Picked, 1);
    EXPECT_THAT(Notes(), ElementsAre("changed:65536:3:0:8", "click:65536:1"));
    EXPECT_EQ(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), Picked);
    EXPECT_EQ(TextOf(Picked, 0), "r65536");
}

TEST_F(ListViewTest, ItemsAnswerTheirFieldsAndToleratesBadInput) {
    MakeList(3);
    LVITEMA item{.mask = LVIF_PARAM, .iItem = 1, .lParam = 77};
    EXPECT_TRUE(SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_THAT(Notes(), IsEmpty());
    LVITEMA read{.mask = LVIF_PARAM, .iItem = 1};
    EXPECT_TRUE(SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read)));
    EXPECT_EQ(read.lParam, 77);
    EXPECT_TRUE(SendMessageA(list, LVM_DELETEITEM, 0, 0));
    EXPECT_EQ(TextOf(0, 0), "r1");
    EXPECT_FALSE(SendMessageA(list, LVM_DELETEITEM, 5, 0));

    // A huge text, read back into a small buffer.
    EXPECT_TRUE(SetCellText(0, 3, std::string(1 << 20, 'x').c_str()));
    char small[4] = {};
    LVITEMA big{.iSubItem = 3, .pszText = small, .cchTextMax = 4};
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&big)), 3);
    EXPECT_STREQ(small, "xxx");

    for (UINT msg = LVM_FIRST; msg < LVM_FIRST + 0x60; ++msg) {
        if (msg == LVM_SETEXTENDEDLISTVIEWSTYLE) {
            continue;
        }
        for (WPARAM w : {WPARAM(0), static_cast<WPARAM>(-5), WPARAM(100000)}) {
            SendMessageA(list, msg, w, 0);
        }
    }
    EXPECT_EQ(SendMessageA(list, LVM_INSERTITEMA, 0, 0), -1);
    LVITEMA sub{.iSubItem = 2};
    EXPECT_EQ(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&sub)), -1);

    DestroyWindow(list);
    display->Pump();
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(list, LVM_EDITLABELA, 0, 0), 0);
}

} // namespace

} // namespace wintest
