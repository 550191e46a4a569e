// The grid's rows share their records while their values are the same: a change to one row
// (through a setter, a click or a record handed out for writing) must never show in another,
// and every record keeps the values it was made with.
#include "controls/CXListCtrl.h"
#include "controls/XListMessages.h"
#include "platform/gfx/SysColors.h"
#include "tests/platform/CtlFixture.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

class GridRecordsTest : public wintest::CtlFixture {
  protected:
    void SetUp() override {
        CtlFixture::SetUp();
        On(dialog, GetXListMessages().checkboxClicked,
           [this](HWND, UINT, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
               events.push_back("check:" + std::to_string(w) + ":" + std::to_string(l));
               return 0;
           });
        grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, RECT{10, 10, 330, 210},
                    CWnd::FromHandle(dialog), 100);
        for (const char* name : {"Check", "Field", "Direction"}) {
            grid.InsertColumn(grid.GetColumnCount(), name, LVCFMT_LEFT, 90);
        }
    }
    void TearDown() override {
        grid.DestroyWindow();
        CtlFixture::TearDown();
    }
    // A row as the ORDER BY grid makes it: all rows alike but for their texts and tooltips.
    void MakeRow(int row, const std::string& name) {
        ASSERT_EQ(grid.InsertItem(row, ""), row);
        grid.SetItemText(row, 1, name);
        grid.SetCheckState(row, 0, 0);
        grid.SetDropDown(row, 2, TRUE, &choices, 4, 0);
        grid.SetDropDown(row, 2, FALSE, &choices, 4, 0);
        grid.SetItemText(row, 2, "");
        grid.SetCellTooltip(row, 1, name.c_str());
    }
    std::vector<int> Checks() const {
        std::vector<int> states;
        for (int row = 0; row < grid.GetItemCount(); ++row) {
            states.push_back(grid.GetCheckState(row, 0));
        }
        return states;
    }
    std::string Tooltip(int row, int column) const {
        const XListCellData* cell = grid.PeekCellData(row, column);
        return cell ? cell->tooltipText : "(none)";
    }

    const std::vector<std::string> choices{"   ", "ASC", "DESC"};
    CXListCtrl grid;
};

TEST_F(GridRecordsTest, AChangeToOneRowNeverShowsInAnother) {
    // Room asked for rows is a hint: no count, however wrong, changes anything.
    for (const int count : {-1, 0, 5, INT32_MAX}) {
        EXPECT_TRUE(grid.SetItemCount(count));
    }
    EXPECT_EQ(grid.GetItemCount(), 0);
    for (int row = 0; row < 5; ++row) {
        MakeRow(row, "f" + std::to_string(row));
    }
    // A setter, then back to where it was.
    grid.SetCheckState(2, 0, 1);
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 1, 0, 0}));
    grid.SetCheckState(2, 0, 0);
    EXPECT_EQ(Checks(), (std::vector<int>{0, 0, 0, 0, 0}));

    // A record handed out for writing, kept across other rows coming and going.
    XListCellData* written = grid.GetCellData(3, 2);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->choices, &choices);
    EXPECT_EQ(written->dropDownRows, 4);
    EXPECT_EQ(written->tooltipText, "");
    EXPECT_EQ(grid.GetCellData(3, 1)->tooltipText, "f3");
    MakeRow(5, "f5");
    grid.DeleteItem(0);
    written->hasDropDown = TRUE;
    written->initialChoice = 2;
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        const XListCellData* cell = grid.PeekCellData(row, 2);
        EXPECT_EQ(cell->hasDropDown != FALSE, row == 2) << row;
        EXPECT_EQ(cell->initialChoice, row == 2 ? 2 : 0) << row;
        EXPECT_EQ(Tooltip(row, 1), "f" + std::to_string(row + 1)) << row;
    }

    // A click on a check box, through the list's input.
    const CRect box = [&] {
        CRect cell;
        grid.GetCellRect(1, 0, LVIR_BOUNDS, cell);
        return cell;
    }();
    ClickAt(grid, box.left + 12, box.CenterPoint().y);
    EXPECT_EQ(Checks(), (std::vector<int>{0, 1, 0, 0, 0}));
    EXPECT_EQ(Events(), std::vector<std::string>{"check:1:0"});

    // A second tooltip in a row, then the first one cleared.
    EXPECT_TRUE(grid.SetCellTooltip(0, 2, "second"));
    EXPECT_TRUE(grid.SetCellTooltip(0, 1, ""));
    EXPECT_EQ(Tooltip(0, 1), "");
    EXPECT_EQ(Tooltip(0, 2), "second");
    EXPECT_TRUE(grid.SetCellTooltip(4, 1, ""));
    EXPECT_EQ(Tooltip(4, 1), "");
    EXPECT_EQ(Tooltip(3, 1), "f4");

    // A row inserted between the others starts from the defaults.
    ASSERT_EQ(grid.InsertItem(1, "new"), 1);
    EXPECT_EQ(Checks(), (std::vector<int>{0, -1, 1, 0, 0, 0}));
    EXPECT_EQ(Tooltip(1, 1), "");
    EXPECT_EQ(grid.PeekCellData(1, 2)->choices, nullptr);

    // Emptied and filled again.
    grid.DeleteAllItems();
    MakeRow(0, "again");
    EXPECT_EQ(Checks(), std::vector<int>{0});
    EXPECT_EQ(Tooltip(0, 1), "again");
    EXPECT_EQ(grid.PeekCellData(0, 3), nullptr);
}

// A row keeps its texts and its tooltip in one block: each must stay in its place as texts
// are emptied, grow long and follow columns inserted and deleted.
TEST_F(GridRecordsTest, TextsFollowTheirColumns) {
    const auto texts = [&](int row) {
        std::vector<std::string> all;
        for (int column = 1; column < grid.GetColumnCount(); ++column) {
            all.push_back(grid.GetItemText(row, column));
        }
        return all;
    };
    MakeRow(0, "name");
    grid.SetItemText(0, 2, "ASC");
    grid.InsertItem(1, "second");
    grid.SetItemText(1, 2, "only");
    grid.InsertColumn(1, "Inserted", LVCFMT_LEFT, 40);
    EXPECT_EQ(texts(0), (std::vector<std::string>{"", "name", "ASC"}));
    EXPECT_EQ(texts(1), (std::vector<std::string>{"", "", "only"}));
    EXPECT_EQ(Tooltip(0, 1), "name");
    grid.SendMessage(LVM_DELETECOLUMN, 2);
    EXPECT_EQ(texts(0), (std::vector<std::string>{"", "ASC"}));
    EXPECT_EQ(texts(1), (std::vector<std::string>{"", "only"}));
    grid.SetItemText(0, 1, "back");
    grid.SetItemText(0, 2, "");
    EXPECT_EQ(texts(0), (std::vector<std::string>{"back", ""}));
    const std::string longText(100000, 'x');
    grid.SetItemText(1, 1, longText);
    grid.SetCellTooltip(1, 0, "tip");
    EXPECT_EQ(texts(1), (std::vector<std::string>{longText, "only"}));
    EXPECT_EQ(Tooltip(1, 0), "tip");
    EXPECT_EQ(Tooltip(0, 1), "name");
}

// A record takes the system colours of when it is made; rows made before a change keep theirs.
TEST_F(GridRecordsTest, RecordsKeepTheColoursOfWhenTheyWereMade) {
    const std::array<int, 2> indexes{COLOR_WINDOWTEXT, COLOR_WINDOW};
    const std::array<COLORREF, 2> before{static_cast<COLORREF>(::GetSysColor(COLOR_WINDOWTEXT)),
                                         static_cast<COLORREF>(::GetSysColor(COLOR_WINDOW))};
    const std::array<COLORREF, 2> after{RGB(1, 2, 3), RGB(4, 5, 6)};
    grid.InsertItem(0, "before", RGB(9, 9, 9), RGB(8, 8, 8));
    gfx::SetSysColorValues(2, indexes.data(), after.data());
    grid.InsertItem(1, "after", RGB(9, 9, 9), RGB(8, 8, 8));
    grid.InsertItem(2, "after too", RGB(7, 7, 7), RGB(6, 6, 6));
    gfx::SetSysColorValues(2, indexes.data(), before.data());

    const auto colours = [&](int row, int column) {
        const XListCellData* cell = grid.PeekCellData(row, column);
        return std::array<COLORREF, 2>{cell->textColor, cell->backColor};
    };
    EXPECT_EQ(colours(0, 0), (std::array<COLORREF, 2>{RGB(9, 9, 9), RGB(8, 8, 8)}));
    EXPECT_EQ(colours(0, 2), before);
    EXPECT_EQ(colours(1, 0), (std::array<COLORREF, 2>{RGB(9, 9, 9), RGB(8, 8, 8)}));
    EXPECT_EQ(colours(1, 2), after);
    EXPECT_EQ(colours(2, 0), (std::array<COLORREF, 2>{RGB(7, 7, 7), RGB(6, 6, 6)}));
    EXPECT_EQ(colours(2, 1), after);
    EXPECT_EQ(grid.GetCellData(0, 1)->backColor, before[1]);
    EXPECT_EQ(grid.GetCellData(1, 1)->backColor, after[1]);
}

} // namespace
