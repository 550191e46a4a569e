// Drop-down cells of the grid, driven by mouse and keys on the headless display and its
// virtual clock: opening, hovering, keys, commit, cancel and the ways out of an edit.
#include "controls/CXComboList.h"
#include "controls/CXListCtrl.h"
#include "controls/XListMessages.h"
#include "platform/afx/CWinApp.h"
#include "platform/gfx/SysColors.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/CtlFixture.h"

#include <cstring>
#include <memory>

namespace {

using State = XListDropDown::State;

class TestGrid : public CXListCtrl {
  public:
    using CXListCtrl::dropDown;
    using CXListCtrl::dropDownInitialText;
    using CXListCtrl::dropDownListRect;
    using CXListCtrl::dropDownPending;
    State GetState() const { return dropDownEdit.GetState(); }
    int keyDowns = 0;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == GetXListMessages().comboKeyDown) {
            ++keyDowns;
        }
        return CXListCtrl::WindowProc(msg, wParam, lParam);
    }
};

// The grid's parent as the framework sees it: it reflects the grid's notifications and, like
// the query builder's dialog, may eat Enter and Escape before they are dispatched.
class Host : public CWnd {
  public:
    BOOL PreTranslateMessage(MSG* msg) override {
        return eatDialogKeys && msg->message == WM_KEYDOWN &&
               (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
    }
    bool eatDialogKeys = false;
};

class DropDownTest : public wintest::CtlFixture {
  protected:
    void SetUp() override {
        CtlFixture::SetUp();
        host.SubclassWindow(dialog);
        On(dialog, GetXListMessages().comboSelection,
           [this](HWND, UINT, WPARAM row, LPARAM column) -> std::optional<LRESULT> {
               selections.push_back(std::to_string(row) + ":" + std::to_string(column));
               return 0;
           });
        grid = std::make_unique<TestGrid>();
        CreateGrid(LVS_SHOWSELALWAYS);
        LOGFONTA description{};
        description.lfHeight = 14; // rows of 18 pixels
        std::strcpy(description.lfFaceName, "DejaVu Sans");
        font.CreateFontIndirect(&description);
        grid->SetFont(&font);
        for (int row = 0; row < 4; ++row) {
            grid->InsertItem(row, ("r" + std::to_string(row)).c_str());
        }
        display->Pump();
    }

    void TearDown() override {
        grid.reset();
        host.UnsubclassWindow();
        CtlFixture::TearDown();
    }

    // Three columns of 100 pixels.
    void CreateGrid(DWORD style) {
        grid->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | style,
                     CRect(10, 10, 370, 250), CWnd::FromHandle(dialog), 1008);
        for (int column = 0; column < 3; ++column) {
            grid->InsertColumn(column, "C", LVCFMT_LEFT, 100);
        }
    }
    void MakeDropDown(int row, const std::vector<std::string>& list, const char* text) {
        grid->SetDropDown(row, 1, TRUE, &list, 4, 0);
        grid->SetItemText(row, 1, text);
    }
    CRect Cell(int row) const {
        CRect cell;
        grid->GetCellRect(row, 1, LVIR_BOUNDS, cell);
        return cell;
    }
    void Press(int row) {
        POINT p = Cell(row).CenterPoint();
        ::ClientToScreen(grid->m_hWnd, &p);
        display->Click(p.x, p.y);
        // On a row already selected the list's own handling takes the focus back from the
        // drop-down; the press watch returns it on its next turn.
        Wait(100);
    }
    // Moves the pointer over an entry of the open list.
    void Hover(int entry) {
        CNewListBox& list = grid->dropDown->listBox;
        const int height = list.GetItemHeight(0);
        POINT p{20, (entry - list.GetTopIndex()) * height + height / 2};
        grid->dropDown->ClientToScreen(&p);
        display->MoveMouse(p.x, p.y);
        display->Pump();
    }
    // A key and the 50 ms after it, when its follow-up or commit has run.
    void KeyAndWait(UINT vk) {
        PressKey(vk);
        Wait(50);
    }
    void Open(int row, const std::vector<std::string>& list, const char* text) {
        MakeDropDown(row, list, text);
        Press(row);
    }
    // A press in the grid below its rows: a plain press with no cell under it.
    void PressBelowTheRows() {
        POINT below{200, 200};
        ::ClientToScreen(grid->m_hWnd, &below);
        display->Click(below.x, below.y);
        Wait(100);
    }
    void Wait(DWORD ms) { display->AdvanceClock(ms); }
    std::string Text(int row) const { return grid->GetItemText(row, 1); }
    int Selection() const { return grid->dropDown ? grid->dropDown->listBox.GetCurSel() : -2; }
    SCROLLINFO ScrollInfo() const {
        SCROLLINFO info{};
        grid->dropDown->scrollBar.GetScrollInfo(&info, SIF_ALL);
        return info;
    }

    Host host;
    CFont font;
    std::unique_ptr<TestGrid> grid;
    std::vector<std::string> selections;
    const std::vector<std::string> fruit{"Apple", "Banana", "Cherry", "Date",
                                         "Elder", "Fig",    "Grape"};
};

TEST_F(DropDownTest, OpensBelowTheCellSizedToWholeEntries) {
    Open(1, fruit, "Cherry");
    ASSERT_NE(grid->dropDown, nullptr);
    CXComboList& combo = *grid->dropDown;
    EXPECT_EQ(grid->GetState(), State::Open);

    CRect cell = Cell(1);
    ASSERT_EQ(cell.Height(), 18);
    grid->ClientToScreen(&cell);
    EXPECT_EQ(grid->dropDownListRect,
              CRect(cell.left + 1, cell.bottom, cell.right - 3, cell.bottom + 68));

    const int itemHeight = combo.listBox.GetItemHeight(0);
    CRect window;
    combo.GetWindowRect(&window);
    EXPECT_EQ(window.TopLeft(), CPoint(cell.left + 1, cell.bottom));
    EXPECT_EQ(window.Height(), 68 / itemHeight * itemHeight + 4);

    CRect list;
    combo.listBox.GetWindowRect(&list);
    combo.ScreenToClient(&list);
    CRect client;
    combo.GetClientRect(&client);
    EXPECT_EQ(list, CRect(1, 1, client.right - 11, 1 + 68 / itemHeight * itemHeight));
    CRect bar;
    combo.scrollBar.GetWindowRect(&bar);
    combo.ScreenToClient(&bar);
    EXPECT_EQ(bar, CRect(list.right, list.top, list.right + 11, list.bottom));

    // The margin round the list shows the menu colour of the window class.
    const gfx::Surface* surface = win::WindowSurface(combo.m_hWnd);
    ASSERT_NE(surface, nullptr);
    POINT origin{0, 0};
    combo.ClientToScreen(&origin);
    const COLORREF menu = static_cast<COLORREF>(::GetSysColor(COLOR_MENU));
    EXPECT_EQ(surface->ColorAt(origin.x - window.left, origin.y - window.top), menu);
    EXPECT_EQ(
        surface->ColorAt(origin.x - window.left + 5, origin.y - window.top + client.bottom - 1),
        menu);
}

TEST_F(DropDownTest, OpensOnTheCellsEntryWithTheFocusInTheList) {
    Open(1, fruit, "Cherry");
    ASSERT_NE(grid->dropDown, nullptr);
    CXComboList& combo = *grid->dropDown;
    const int itemHeight = combo.listBox.GetItemHeight(0);
    // The entries in the cell's order, the cell's entry selected and shown one below the top.
    ASSERT_EQ(combo.listBox.GetCount(), 7);
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(combo.listBox.GetTopIndex(), 1);
    EXPECT_EQ(grid->dropDownInitialText, "Cherry");
    EXPECT_EQ(::GetFocus(), combo.listBox.m_hWnd);
    const SCROLLINFO info = ScrollInfo();
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 7);
    EXPECT_EQ(static_cast<int>(info.nPage), 68 / itemHeight);
    EXPECT_EQ(info.nPos, 2);

    // The click's release drew the button unpressed again; the drop-down stays.
    EXPECT_FALSE(grid->dropDownPending);
    EXPECT_FALSE(grid->GetCellData(1, 1)->dropDownPressed);
    EXPECT_TRUE(selections.empty());
}

TEST_F(DropDownTest, HoverSelectsOnTheDropDownTimer) {
    Open(0, fruit, "Apple");
    Hover(3);
    Wait(59); // the hover timer turns at 80, 160, ... after the opening
    EXPECT_EQ(Selection(), 0);
    Wait(1);
    EXPECT_EQ(Selection(), 3);
    // Hovering only selects: the cell and the parent hear nothing.
    Wait(160); // to the timer's next turn, so the click below lands just after one
    EXPECT_EQ(Text(0), "Apple");
    EXPECT_EQ(grid->GetState(), State::Open);
    EXPECT_TRUE(selections.empty());

    // A click keeps the hovered entry even where the pointer has moved on since.
    Hover(1);
    display->ButtonDown();
    Release();
    EXPECT_EQ(Selection(), 3);
    EXPECT_EQ(grid->GetState(), State::Committing);
    Wait(50);
    EXPECT_EQ(Text(0), "Date");
    EXPECT_EQ(selections, std::vector<std::string>{"0:1"});
    EXPECT_EQ(grid->GetState(), State::Idle);
}

TEST_F(DropDownTest, ArrowKeysFollowInTheCellAndEnterCommitsOnce) {
    Open(2, fruit, "Banana");
    for (const char* expected : {"Cherry", "Date", "Elder"}) {
        PressKey(VK_DOWN);
        EXPECT_EQ(grid->GetState(), State::Following);
        Wait(49);
        EXPECT_NE(Text(2), expected);
        Wait(1);
        EXPECT_EQ(Text(2), expected);
        EXPECT_EQ(grid->GetState(), State::Open);
    }
    EXPECT_EQ(ScrollInfo().nPos, 4);
    EXPECT_EQ(grid->keyDowns, 3);
    EXPECT_TRUE(selections.empty());

    KeyAndWait(VK_UP);
    EXPECT_EQ(Text(2), "Date");
    EXPECT_EQ(ScrollInfo().nPos, 3);

    PressKey(VK_RETURN);
    EXPECT_EQ(grid->GetState(), State::Committing);
    Wait(49);
    EXPECT_TRUE(selections.empty());
    Wait(1);
    EXPECT_EQ(selections, std::vector<std::string>{"2:1"});
    EXPECT_EQ(Text(2), "Date");
    EXPECT_EQ(grid->dropDown, nullptr);
    Wait(500);
    EXPECT_EQ(selections.size(), 1u);
    EXPECT_EQ(grid->GetState(), State::Idle);
}

TEST_F(DropDownTest, EscapeRestoresTheInitialText) {
    Open(1, fruit, "Banana");
    PressKey(VK_DOWN);
    KeyAndWait(VK_DOWN);
    EXPECT_EQ(Text(1), "Date");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Text(1), "Banana"); // at once; the window goes 50 ms later
    EXPECT_EQ(grid->GetState(), State::Cancelling);
    Wait(49);
    EXPECT_NE(grid->dropDown, nullptr);
    Wait(1);
    EXPECT_EQ(grid->GetState(), State::Idle);
    EXPECT_TRUE(selections.empty());

    // A text no choice matches opens on entry 0, and Escape leaves entry 0 in the cell.
    grid->SetItemText(1, 1, "Kiwi");
    Wait(500); // a quick second click would be a double click, which opens nothing
    Press(1);
    EXPECT_EQ(Selection(), 0);
    KeyAndWait(VK_ESCAPE);
    EXPECT_EQ(Text(1), "Apple");

    // An empty cell takes entry 0 (empty choices are skipped) and keeps it after Escape.
    const std::vector<std::string> sparse{"", "Plum", "", "Pear"};
    MakeDropDown(3, sparse, "");
    grid->GetCellData(3, 1)->initialChoice = -1; // the drawing leaves the cell empty
    Press(3);
    ASSERT_EQ(grid->dropDown->listBox.GetCount(), 2);
    EXPECT_EQ(Text(3), "Plum");
    PressKey(VK_DOWN);
    KeyAndWait(VK_ESCAPE);
    EXPECT_EQ(Text(3), "Plum");
    EXPECT_TRUE(selections.empty());
}

TEST_F(DropDownTest, EmptyChoiceListOpensEmptyAndCommitsNothing) {
    const std::vector<std::string> none;
    Open(0, none, "Old");
    ASSERT_NE(grid->dropDown, nullptr);
    EXPECT_EQ(grid->dropDown->listBox.GetCount(), 0);
    EXPECT_EQ(Selection(), -1);
    EXPECT_EQ(grid->dropDownInitialText, "");
    EXPECT_EQ(ScrollInfo().nMax, 0);
    KeyAndWait(VK_RETURN);
    EXPECT_EQ(grid->GetState(), State::Idle);
    EXPECT_TRUE(selections.empty());
    EXPECT_EQ(Text(0), "Old");

    Wait(500);
    Press(0);
    KeyAndWait(VK_ESCAPE);
    EXPECT_EQ(Text(0), "");
}

// A letter searches the list from the entry shown, as the list box's own search does
// (ListBoxTest.SearchesIgnoreCaseStartAfterTheGivenEntryAndWrap), and the cell follows.
TEST_F(DropDownTest, LettersFindTheNextEntryFromTheOneShown) {
    const std::vector<std::string> words{"Mango", "apple", "melon", "Banana", "mint",
                                         "kiwi",  "lime",  "olive", "pear"};
    Open(0, words, "melon");
    KeyAndWait('M');
    EXPECT_EQ(Text(0), "mint");
    EXPECT_EQ(ScrollInfo().nPos, 4);
    KeyAndWait('B');
    EXPECT_EQ(Text(0), "Banana");
    EXPECT_EQ(ScrollInfo().nPos, 3);
    EXPECT_EQ(grid->keyDowns, 2);

    // No entry begins with Z; digits and sideways arrows are not the drop-down's keys.
    for (UINT key : {UINT{'Z'}, UINT{'5'}, UINT{VK_LEFT}, UINT{VK_RIGHT}}) {
        PressKey(key);
        EXPECT_EQ(grid->GetState(), State::Open) << key;
    }
    Wait(50);
    EXPECT_EQ(grid->keyDowns, 2);
    EXPECT_EQ(Text(0), "Banana");
}

TEST_F(DropDownTest, PageAndEndKeysMoveTheScrollBar) {
    Open(0, fruit, "Apple");
    const SCROLLINFO info = ScrollInfo();
    ASSERT_EQ(info.nMax, 7);
    const int page = static_cast<int>(info.nPage);
    // The bar itself never goes past its last page.
    const int lastPage = info.nMax - page + 1;

    PressKey(VK_NEXT);
    EXPECT_EQ(ScrollInfo().nPos, std::min(page - 1, lastPage));
    PressKey(VK_END);
    EXPECT_EQ(ScrollInfo().nPos, lastPage);
    Wait(50);
    EXPECT_EQ(Text(0), "Grape");
    PressKey(VK_HOME);
    EXPECT_EQ(ScrollInfo().nPos, 0);
    Wait(50);
    EXPECT_EQ(Text(0), "Apple");
    PressKey(VK_UP); // clamped at the top
    EXPECT_EQ(ScrollInfo().nPos, 0);

    // The bar's own arrows move the list and the bar, the selection stays.
    CRect bar;
    grid->dropDown->scrollBar.GetWindowRect(&bar);
    display->Click(bar.left + 5, bar.bottom - 3);
    display->Pump();
    EXPECT_EQ(ScrollInfo().nPos, 1);
    EXPECT_EQ(grid->dropDown->listBox.GetTopIndex(), 1);
    EXPECT_EQ(Selection(), 0);
}

TEST_F(DropDownTest, ThirdFocusLossCancels) {
    Open(0, fruit, "Fig");
    KeyAndWait(VK_DOWN);
    ASSERT_EQ(Text(0), "Grape");
    CXComboList& combo = *grid->dropDown;
    const auto loseFocus = [&] {
        ::SetFocus(combo.m_hWnd);
        ::SetFocus(combo.listBox.m_hWnd);
        display->Pump();
    };
    while (combo.killFocusCount < 2) {
        loseFocus();
        EXPECT_EQ(grid->GetState(), State::Open);
        EXPECT_EQ(Text(0), "Grape");
    }
    loseFocus();
    EXPECT_EQ(grid->GetState(), State::Cancelling);
    EXPECT_EQ(Text(0), "Fig");
    Wait(50);
    EXPECT_EQ(grid->GetState(), State::Idle);
    EXPECT_TRUE(selections.empty());
}

TEST_F(DropDownTest, PressesElsewhereReplaceOrCancel) {
    MakeDropDown(3, fruit, "Apple");
    MakeDropDown(0, fruit, "Cherry");
    Press(3);
    KeyAndWait(VK_DOWN);
    HWND first = grid->dropDown->m_hWnd;

    // Another drop-down cell: the old window goes at once, nothing restored or told.
    Press(0);
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_NE(grid->dropDown, nullptr);
    EXPECT_EQ(grid->dropDownInitialText, "Cherry");
    EXPECT_EQ(Text(3), "Banana");
    Wait(200);
    EXPECT_TRUE(selections.empty());

    // A plain cell cancels as Escape does.
    PressKey(VK_DOWN);
    POINT p = Cell(1).CenterPoint();
    p.x -= 100; // column 0, beside the drop-down
    ::ClientToScreen(grid->m_hWnd, &p);
    display->Click(p.x, p.y);
    display->Pump();
    EXPECT_EQ(Text(0), "Cherry");
    Wait(50); // the Down's follow-up, due now too, must not undo the restore
    EXPECT_EQ(Text(0), "Cherry");
    EXPECT_EQ(grid->GetState(), State::Idle);
    EXPECT_TRUE(selections.empty());
}

// Deleting the edited row, or a row above it, ends the edit without restoring or committing:
// the drop-down's text never lands in the row that takes over the index.
TEST_F(DropDownTest, AnEditWhoseRowGoesOrMovesEndsWithoutWriting) {
    MakeDropDown(2, fruit, "Cherry");
    MakeDropDown(3, fruit, "Apple");
    Press(2);
    KeyAndWait(VK_DOWN);
    ASSERT_EQ(Text(2), "Date");

    grid->DeleteItem(3); // below the edit: it goes on
    EXPECT_EQ(grid->GetState(), State::Open);
    grid->InsertItem(3, "r3");
    MakeDropDown(3, fruit, "Apple");
    grid->DeleteItem(0); // above: the edited row moves up and its edit ends
    EXPECT_EQ(grid->GetState(), State::Idle);
    EXPECT_EQ(grid->dropDown, nullptr);
    PressBelowTheRows();
    EXPECT_EQ(Text(1), "Date");
    EXPECT_EQ(Text(2), "Apple");

    Press(2);
    grid->DeleteAllItems(); // as a table change does
    EXPECT_EQ(grid->GetState(), State::Idle);
    grid->InsertItem(0, "n0");
    grid->InsertItem(1, "n1");
    grid->InsertItem(2, "n2");
    MakeDropDown(2, fruit, "Fig");
    PressBelowTheRows();
    EXPECT_EQ(Text(2), "Fig");
    EXPECT_TRUE(selections.empty());
}

TEST_F(DropDownTest, KeysReachTheLogicOnceThroughTheMessageLoop) {
    CWinApp app;
    host.eatDialogKeys = true;
    Open(0, fruit, "Apple");
    KeyAndWait(VK_NEXT);
    EXPECT_EQ(grid->keyDowns, 1);

    // The dialog's filter eats Enter, yet the drop-down has seen it first.
    KeyAndWait(VK_RETURN);
    EXPECT_EQ(selections, std::vector<std::string>{"0:1"});
    EXPECT_EQ(grid->GetState(), State::Idle);
}

// The query builder's grids outlive their windows: a drop-down still open when the dialog
// closes goes with the window, and a press in the next window has nothing to cancel or restore.
TEST_F(DropDownTest, ADropDownOpenWhenTheWindowGoesGoesWithIt) {
    Open(1, fruit, "Cherry");
    ASSERT_NE(grid->dropDown, nullptr);
    grid->DestroyWindow();
    EXPECT_EQ(grid->dropDown, nullptr);
    EXPECT_FALSE(grid->dropDownPending);

    CreateGrid(0);
    grid->InsertItem(0, "r0");
    grid->InsertItem(1, "r1");
    grid->SetItemText(1, 1, "Apple");
    PressBelowTheRows();
    EXPECT_EQ(Text(1), "Apple");
    EXPECT_EQ(grid->GetState(), State::Idle);
}

} // namespace
