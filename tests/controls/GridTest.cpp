#include "controls/CXListCtrl.h"
#include "controls/XListMessages.h"
#include "tests/platform/CtlFixture.h"

#include <string>
#include <vector>

namespace {

class GridTest : public wintest::CtlFixture {
  protected:
    void SetUp() override {
        CtlFixture::SetUp();
        const UINT checked = GetXListMessages().checkboxClicked;
        On(dialog, checked, [this](HWND, UINT, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
            events.push_back("check:" + std::to_string(w) + ":" + std::to_string(l));
            return 0;
        });
        // Notifications reach the grid through its parent's object (reflection).
        host.SubclassWindow(dialog);
        grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                    RECT{10, 10, 330, 210}, CWnd::FromHandle(dialog), 100);
        for (const char* name : {"A", "B", "C", "D"}) {
            grid.InsertColumn(grid.GetColumnCount(), name, LVCFMT_LEFT, 80);
        }
    }
    void TearDown() override {
        grid.DestroyWindow();
        host.UnsubclassWindow();
        CtlFixture::TearDown();
    }
    CRect Cell(int row, int column) {
        CRect r;
        grid.GetCellRect(row, column, LVIR_BOUNDS, r);
        return r;
    }

    CWnd host;
    CXListCtrl grid;
};

TEST_F(GridTest, InvalidIndicesAreAnsweredWithoutEffect) {
    EXPECT_EQ(grid.InsertItem(-1, "x"), -1);
    EXPECT_EQ(grid.GetItemCount(), 0);
    ASSERT_EQ(grid.InsertItem(0, "r0"), 0);
    EXPECT_FALSE(grid.SetItemText(1, 0, "x"));
    EXPECT_FALSE(grid.SetItemText(0, 4, "x"));
    EXPECT_EQ(grid.GetItemText(0, -1), "");
    EXPECT_FALSE(grid.SetCheckState(0, 7, 1));
    EXPECT_EQ(grid.GetCheckState(0, 1), -1);
    EXPECT_FALSE(grid.SetCellTooltip(-1, 0, "t"));
    EXPECT_EQ(grid.GetCellData(0, 4), nullptr);
    EXPECT_FALSE(grid.GetCellRect(0, 4, LVIR_BOUNDS, *std::make_unique<CRect>()));
    const std::vector<std::string> choices{"AND", "OR"};
    EXPECT_FALSE(grid.SetDropDown(0, 1, FALSE, nullptr, 4, 0));
    EXPECT_TRUE(grid.SetDropDown(0, 1, TRUE, &choices, 4, 9));
    EXPECT_EQ(grid.GetItemText(0, 1), "AND");
    EXPECT_EQ(grid.GetCellData(0, 1)->initialChoice, 0);
    const std::vector<std::string> none;
    grid.SetItemText(0, 2, "kept");
    EXPECT_TRUE(grid.SetDropDown(0, 2, TRUE, &none, 4, 0));
    EXPECT_EQ(grid.GetItemText(0, 2), "kept");
    grid.DeleteItem(1);
    grid.SetCurSel(5);
    EXPECT_EQ(grid.GetItemCount(), 1);
    EXPECT_EQ(grid.GetCurSel(), -1);
    EXPECT_EQ(grid.GetEmptyMessage(), "There are no items to show.");
}

TEST_F(GridTest, RowRecordsLiveFromInsertToEveryDeletePath) {
    for (int row = 0; row < 20; ++row) {
        ASSERT_EQ(grid.InsertItem(row, "r"), row);
    }
    EXPECT_NE(grid.GetCellData(19, 3), nullptr);
    grid.DeleteItem(0);
    grid.DeleteItem(18);
    EXPECT_EQ(grid.GetItemCount(), 18);
    grid.DeleteAllItems();
    EXPECT_EQ(grid.GetItemCount(), 0);
    grid.InsertItem(0, "a", RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(grid.GetCellData(0, 0)->textColor, RGB(1, 2, 3));
    EXPECT_EQ(grid.GetCellData(0, 0)->backColor, RGB(4, 5, 6));
    // The rest go with the window; LeakSanitizer checks it.
}

TEST_F(GridTest, CellRectOfColumnZeroFollowsDisplayOrder) {
    grid.InsertItem(0, "r0");
    EXPECT_EQ(Cell(0, 0).right, Cell(0, 1).left);
    int order[] = {1, 2, 3, 0};
    grid.SetColumnOrderArray(4, order);
    grid.columnBeforeFirst = 3;
    CRect row;
    grid.GetItemRect(0, &row, LVIR_BOUNDS);
    EXPECT_EQ(Cell(0, 0).left, Cell(0, 3).right);
    EXPECT_EQ(Cell(0, 0).right, row.right);
}

TEST_F(GridTest, CheckBoxClickTogglesDrawsAndTellsParent) {
    grid.InsertItem(0, "r0");
    grid.SetCheckState(0, 1, 0);
    grid.UpdateWindow();
    const CRect cell = Cell(0, 1);
    const int side = cell.Height() - 1;
    const int boxLeft = cell.left + cell.Width() / 2 - side / 2 - 1 + 1; // centred, moved 1
    const int x0 = boxLeft + 9;
    const int y0 = cell.top + 3;
    EXPECT_NE(Pixel(grid, x0, y0), RGB(0, 0, 0));
    ClickAt(grid, boxLeft + 3, cell.top + 3);
    EXPECT_EQ(grid.GetCheckState(0, 1), 1);
    EXPECT_EQ(Events(), std::vector<std::string>{"check:0:1"});
    grid.UpdateWindow();
    // The seven strokes: four down to the left, three back up.
    const int dx[] = {0, -1, -2, -3, -4, -5, -6};
    const int dy[] = {0, 1, 2, 3, 4, 3, 2};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(Pixel(grid, x0 + dx[i], y0 + dy[i] + 2), RGB(0, 0, 0)) << i;
    }
    display->AdvanceClock(1000); // not a double click
    ClickAt(grid, boxLeft + 3, cell.top + 3);
    EXPECT_EQ(grid.GetCheckState(0, 1), 0);
}

TEST_F(GridTest, ClickOnRowWithoutRecordsChangesNothing) {
    grid.CListCtrl::InsertItem(0, "bare");
    const CRect cell = Cell(0, 1);
    ClickAt(grid, cell.left + 5, cell.top + 3);
    EXPECT_EQ(grid.GetCurSel(), -1);
    EXPECT_TRUE(Events().empty());
}

TEST_F(GridTest, TooltipTextIsCutTo79Characters) {
    grid.InsertItem(0, "r0");
    grid.SetCellTooltip(0, 2, std::string(100, 'x').c_str());
    const CRect cell = Cell(0, 2);
    TOOLINFOA tool;
    const INT_PTR id = grid.OnToolHitTest(CPoint(cell.left + 2, cell.top + 2), &tool);
    EXPECT_EQ(id, 3);
    POINT p{cell.left + 2, cell.top + 2};
    ::ClientToScreen(grid, &p);
    display->MoveMouse(p.x, p.y);
    display->Pump();
    NMTTDISPINFOA info;
    info.hdr = {nullptr, static_cast<UINT_PTR>(id), TTN_NEEDTEXTA};
    ::SendMessageA(grid, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::string(info.szText), std::string(79, 'x'));
}

} // namespace
