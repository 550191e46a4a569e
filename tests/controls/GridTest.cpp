// The grid on the headless display: records, geometry, input, and cells drawn to the pixel.
#include "controls/CXComboList.h"
#include "controls/CXListCtrl.h"
#include "controls/XListMessages.h"
#include "dialog/CExCheckListBox.h"
#include "platform/gfx/SysColors.h"
#include "tests/platform/CtlFixture.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

COLORREF Sys(int index) {
    return static_cast<COLORREF>(::GetSysColor(index));
}

// Logs the custom-draw answers and how deeply paints nest; a runaway nest is cut off at
// depth 8 so it fails the test instead of overflowing the stack.
class SpyGrid : public CXListCtrl {
  public:
    using CXListCtrl::dropDown;
    using CXListCtrl::dropDownPending;
    XListDropDown::State State() const { return dropDownEdit.GetState(); }

    std::string GetEmptyMessage() const override {
        return message ? *message : CXListCtrl::GetEmptyMessage();
    }

    std::optional<std::string> message;
    bool logStages = false;
    std::vector<std::string> stages;
    int depth = 0;
    int maxDepth = 0;

  protected:
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto* draw = reinterpret_cast<const NMLVCUSTOMDRAW*>(lParam);
        if (msg != WM_NOTIFY || !draw || draw->nmcd.hdr.code != NM_CUSTOMDRAW) {
            return CXListCtrl::OnChildNotify(msg, wParam, lParam, result);
        }
        if (depth >= 8) {
            *result = CDRF_SKIPDEFAULT;
            return TRUE;
        }
        maxDepth = std::max(maxDepth, ++depth);
        const BOOL handled = CXListCtrl::OnChildNotify(msg, wParam, lParam, result);
        --depth;
        if (logStages) {
            stages.push_back(Stage(*draw) + ":" + std::to_string(*result));
        }
        return handled;
    }

  private:
    static std::string Stage(const NMLVCUSTOMDRAW& draw) {
        const std::string item = std::to_string(draw.nmcd.dwItemSpec);
        switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return "list";
        case CDDS_ITEMPREPAINT:
            return "row" + item;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            return "cell" + item + "." + std::to_string(draw.iSubItem);
        default:
            return "stage" + std::to_string(draw.nmcd.dwDrawStage);
        }
    }
};

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
        grid.dropDown.reset();
        grid.DestroyWindow();
        host.UnsubclassWindow();
        CtlFixture::TearDown();
    }
    CRect Cell(int row, int column) { return CellOf(grid, row, column); }
    static CRect CellOf(const SpyGrid& target, int row, int column) {
        CRect r;
        target.GetCellRect(row, column, LVIR_BOUNDS, r);
        return r;
    }
    void Repaint() {
        grid.Invalidate();
        grid.UpdateWindow();
    }
    // Bounds of the pixels in area (grid client coordinates) that differ from back; empty
    // when there are none.
    CRect Ink(const CRect& area, COLORREF back) const {
        CRect ink(INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN);
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Pixel(grid, x, y) != back) {
                    ink = CRect(std::min<int>(ink.left, x), std::min<int>(ink.top, y),
                                std::max<int>(ink.right, x + 1), std::max<int>(ink.bottom, y + 1));
                }
            }
        }
        return ink.left == INT32_MAX ? CRect() : ink;
    }
    bool Shows(const CRect& area, COLORREF colour) const {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Pixel(grid, x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
    // A 5, 3, 1 pixel arrow starting at (x, y), on the given face.
    void ExpectArrow(int x, int y, COLORREF face) {
        for (int line = 0; line < 3; ++line) {
            const int left = x + line;
            const int length = 5 - 2 * line;
            EXPECT_EQ(Pixel(grid, left - 1, y + line), face) << line;
            for (int i = 0; i < length; ++i) {
                EXPECT_EQ(Pixel(grid, left + i, y + line), black) << line << "," << i;
            }
            EXPECT_EQ(Pixel(grid, left + length, y + line), face) << line;
        }
        EXPECT_EQ(Pixel(grid, x + 2, y + 3), face);
    }

    void SetHeaderFormat(int column, int format) {
        HDITEMA item{.mask = HDI_FORMAT, .fmt = format | HDF_STRING};
        ::SendMessageA(grid.GetHeaderWindow(), HDM_SETITEMA, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&item));
    }
    // The colour a cell shows near its right end, clear of its text.
    COLORREF RightEnd(const CRect& cell) const {
        return Pixel(grid, cell.right - 4, cell.CenterPoint().y);
    }
    CRect DropDownRows();

    CWnd host;
    SpyGrid grid;
    const std::vector<std::string> andOr{"AND", "OR"};
    const COLORREF rowColour = RGB(255, 240, 200);
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

// The grid keeps the texts of columns 1 and up itself: they must stay with their rows
// whether the grid or the plain list messages insert, set, read or delete.
TEST_F(GridTest, CellTextsStayWithTheirRowsWhicheverWayTheyAreReached) {
    CListCtrl& list = grid;
    for (int row = 0; row < 3; ++row) {
        ASSERT_EQ(grid.InsertItem(row, ("r" + std::to_string(row)).c_str()), row);
        grid.SetItemText(row, 1, "b" + std::to_string(row));
    }
    ASSERT_EQ(list.InsertItem(1, "plain"), 1); // no records
    EXPECT_TRUE(list.SetItemText(1, 3, "d-plain"));
    EXPECT_EQ(grid.GetCellData(1, 0), nullptr);
    EXPECT_EQ(grid.GetItemText(1, 3), "d-plain");
    EXPECT_EQ(list.GetItemText(2, 1), "b1");
    EXPECT_EQ(grid.GetItemText(3, 0), "r2");
    EXPECT_FALSE(list.SetItemText(4, 1, "x"));

    char buffer[4];
    LVITEMA item{.mask = LVIF_TEXT | LVIF_PARAM,
                 .iItem = 2,
                 .iSubItem = 1,
                 .pszText = buffer,
                 .cchTextMax = sizeof(buffer)};
    ASSERT_TRUE(grid.SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(buffer, "b1");
    EXPECT_EQ(item.mask, static_cast<UINT>(LVIF_TEXT | LVIF_PARAM));

    grid.DeleteItem(0);
    list.DeleteItem(0);
    EXPECT_EQ(grid.GetItemCount(), 2);
    EXPECT_EQ(grid.GetItemText(0, 1), "b1");
    EXPECT_EQ(grid.GetItemText(1, 1), "b2");
    EXPECT_EQ(grid.GetItemText(1, 3), "");
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

// The grid and the column check list show the same text the same way in both forms of the
// request, cut to 79 characters: UTF-8 decoded as the drawing layer does, an invalid byte as
// U+FFFD.
TEST_F(GridTest, TooltipsAgreeWithTheCheckListOnAnyTextCutTo79Characters) {
    CExCheckListBox list;
    list.Create("ListBox", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                RECT{10, 220, 200, 300}, CWnd::FromHandle(dialog), 101);
    grid.InsertItem(0, "r0");
    const CRect cell = Cell(0, 2);
    TOOLINFOA info;
    const INT_PTR tool = grid.OnToolHitTest(CPoint(cell.left + 2, cell.top + 2), &info);
    EXPECT_EQ(tool, 3) << "row 0, column 2";
    POINT p{cell.left + 2, cell.top + 2};
    ::ClientToScreen(grid, &p);
    display->MoveMouse(p.x, p.y);
    display->Pump();
    const auto ask = [](CWnd& window, INT_PTR id, auto request, UINT code) {
        request.hdr = {nullptr, static_cast<UINT_PTR>(id), code};
        window.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        return std::basic_string(request.lpszText ? request.lpszText : request.szText);
    };
    const std::string texts[] = {"Caf\xC3\xA9", "\xE9t\xE9", "smile \xF0\x9F\x98\x80",
                                 "cut \xE2\x82", std::string(100, 'x')};
    for (const std::string& text : texts) {
        grid.SetCellTooltip(0, 2, text.c_str());
        list.ResetContent();
        list.AddString(text.c_str());
        EXPECT_EQ(ask(grid, tool, NMTTDISPINFOA{}, TTN_NEEDTEXTA), text.substr(0, 79));
        EXPECT_EQ(ask(list, 0, NMTTDISPINFOA{}, TTN_NEEDTEXTA), text.substr(0, 79));
        EXPECT_EQ(ask(grid, tool, NMTTDISPINFOW{}, TTN_NEEDTEXTW),
                  ask(list, 0, NMTTDISPINFOW{}, TTN_NEEDTEXTW))
            << text;
    }
    RECT item{};
    list.GetItemRect(0, &item);
    EXPECT_EQ(list.OnToolHitTest(CPoint(item.left + 3, item.top + 2), &info), 0);
    EXPECT_EQ(ask(list, 0, NMTTDISPINFOW{}, TTN_NEEDTEXTW), std::u16string(79, u'x'));
    grid.SetCellTooltip(0, 2, "\xE9t\xE9");
    EXPECT_EQ(ask(grid, tool, NMTTDISPINFOW{}, TTN_NEEDTEXTW), u"\uFFFDt\uFFFD");
    grid.SetCellTooltip(0, 2, "smile \xF0\x9F\x98\x80");
    EXPECT_EQ(ask(grid, tool, NMTTDISPINFOW{}, TTN_NEEDTEXTW), u"smile \U0001F600");
    list.DestroyWindow();
}

TEST_F(GridTest, PlainCellsAlignTextAsTheirHeaderSays) {
    grid.InsertItem(0, "");
    const int formats[] = {HDF_LEFT, HDF_CENTER, HDF_RIGHT};
    for (int column = 1; column <= 3; ++column) {
        SetHeaderFormat(column, formats[column - 1]);
        grid.SetItemText(0, column, "HH");
    }
    Repaint();
    for (int column = 1; column <= 3; ++column) {
        const CRect cell = Cell(0, column);
        const CRect ink = Ink(cell, white);
        ASSERT_FALSE(ink.IsRectEmpty()) << column;
        const int leftGap = ink.left - cell.left;
        const int rightGap = cell.right - ink.right;
        if (column == 1) {
            EXPECT_LE(leftGap, 2);
            EXPECT_GT(rightGap, 20);
        } else if (column == 2) {
            EXPECT_NEAR(leftGap, rightGap, 2);
        } else {
            EXPECT_LE(rightGap, 2);
            EXPECT_GT(leftGap, 20);
        }
    }
}

TEST_F(GridTest, SelectionColoursFollowFocusAndStyle) {
    const COLORREF ownText = RGB(0, 100, 0);
    const COLORREF ownBack = RGB(230, 240, 250);
    grid.InsertItem(0, "HH", ownText, ownBack);
    grid.SetItemText(0, 1, "HH");
    grid.InsertItem(1, "HH");
    grid.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    grid.SetCurSel(0);
    const auto expect = [this](int column, COLORREF text, COLORREF back, const char* when) {
        const CRect cell = Cell(0, column);
        EXPECT_EQ(RightEnd(cell), back) << when << column;
        EXPECT_TRUE(Shows(cell, text)) << when << column;
    };
    const COLORREF windowText = Sys(COLOR_WINDOWTEXT);

    grid.SetFocus();
    Repaint();
    expect(0, Sys(COLOR_HIGHLIGHTTEXT), Sys(COLOR_HIGHLIGHT), "focused ");
    expect(1, Sys(COLOR_HIGHLIGHTTEXT), Sys(COLOR_HIGHLIGHT), "focused ");
    EXPECT_EQ(RightEnd(Cell(1, 1)), white);

    ::SetFocus(dialog);
    Repaint();
    expect(0, windowText, Sys(COLOR_BTNFACE), "shown always ");
    expect(1, windowText, Sys(COLOR_BTNFACE), "shown always ");

    grid.ModifyStyle(LVS_SHOWSELALWAYS, 0);
    Repaint();
    expect(0, ownText, ownBack, "hidden ");
    expect(1, windowText, white, "hidden ");

    // Without full-row select only column 0 is highlighted.
    grid.SetExtendedStyle(0);
    grid.SetFocus();
    Repaint();
    expect(0, Sys(COLOR_HIGHLIGHTTEXT), Sys(COLOR_HIGHLIGHT), "one cell ");
    expect(1, windowText, white, "one cell ");
}

TEST_F(GridTest, SystemColourChangeRepaintsSelectionInTheNewColours) {
    grid.InsertItem(0, "HH");
    grid.SetCurSel(0);
    grid.SetFocus();
    const int index = COLOR_HIGHLIGHT;
    const COLORREF old = Sys(COLOR_HIGHLIGHT);
    const COLORREF green = RGB(10, 160, 40);
    SetSysColors(1, &index, &green);
    display->Pump();
    const CRect cell = Cell(0, 0);
    EXPECT_EQ(RightEnd(cell), green);
    SetSysColors(1, &index, &old);
    display->Pump();
    EXPECT_EQ(RightEnd(cell), old);
}

// Two drop-down rows, the first selected, the second in its own colours; the selected
// row's drop-down button square.
CRect GridTest::DropDownRows() {
    grid.InsertItem(0, "r0");
    grid.InsertItem(1, "r1");
    grid.SetDropDown(0, 1, TRUE, &andOr, 4, 0);
    grid.SetDropDown(1, 1, TRUE, &andOr, 4, 1);
    grid.GetCellData(1, 1)->backColor = rowColour;
    grid.SetCurSel(0);
    Repaint();
    const CRect c = Cell(0, 1);
    return {c.right - c.Height(), c.top + 2, c.right - 3, c.bottom - 1};
}

TEST_F(GridTest, DropDownCellShowsItsButtonOnlyOnTheSelectedRow) {
    const CRect k = DropDownRows();
    const CRect c = Cell(0, 1);
    const int mid = c.CenterPoint().y;
    const COLORREF frame = Sys(COLOR_BTNSHADOW);
    const COLORREF face = Sys(COLOR_BTNFACE);
    EXPECT_EQ(grid.GetItemText(1, 1), "OR") << "the initial choice";
    for (int x : {c.left + 1, c.CenterPoint().x, c.right - 3}) {
        EXPECT_EQ(Pixel(grid, x, c.top), frame) << x;
        EXPECT_EQ(Pixel(grid, x, c.bottom - 1), frame) << x;
    }
    for (int y : {c.top, mid, c.bottom - 2}) {
        EXPECT_EQ(Pixel(grid, c.left + 1, y), frame) << y;
    }
    for (int y : {c.top, mid, c.bottom - 1}) {
        EXPECT_EQ(Pixel(grid, c.right - 2, y), frame) << y;
    }
    // The button: the square at the right end of the working rectangle, 2 pixels in.
    EXPECT_EQ(Pixel(grid, c.left + 3, c.top + 2), white);
    EXPECT_EQ(Pixel(grid, k.left - 1, mid), white);
    EXPECT_TRUE(Shows(CRect(c.left + 3, c.top, k.left - 1, c.bottom), black));
    ExpectPixels(grid, {{k.left, mid, Sys(COLOR_3DLIGHT)}});
    ExpectPixels(grid, {{k.left + 1, mid, Sys(COLOR_3DHILIGHT)}});
    ExpectPixels(grid, {{k.right - 1, mid, Sys(COLOR_3DDKSHADOW)}});
    ExpectPixels(grid, {{k.right - 2, mid, Sys(COLOR_3DSHADOW)}});
    ExpectPixels(grid, {{k.CenterPoint().x, k.bottom - 1, Sys(COLOR_3DDKSHADOW)}});
    ExpectArrow(k.left + 3, k.top + 4, face);

    // The unselected row's drop-down cell is plain, in its own colours.
    const CRect d = Cell(1, 1);
    const CRect ink = Ink(d, rowColour);
    EXPECT_EQ(Pixel(grid, d.left + 1, d.top), rowColour);
    EXPECT_EQ(Pixel(grid, d.right - 2, d.CenterPoint().y), rowColour);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_LT(ink.right, k.left);
}

// A press opens the list at once; the button stays flat, its arrow one pixel on, while the
// pointer holds it, and rises again when the pointer leaves it, the list staying open.
TEST_F(GridTest, AHeldDropDownButtonTurnsFlatUntilThePointerLeavesIt) {
    const CRect k = DropDownRows();
    const int mid = k.CenterPoint().y;
    const COLORREF face = Sys(COLOR_BTNFACE);
    display->MoveMouse(At(grid, k.CenterPoint().x, mid));
    display->ButtonDown();
    display->AdvanceClock(100);
    ASSERT_TRUE(grid.GetCellData(0, 1)->dropDownPressed);
    EXPECT_TRUE(grid.dropDownPending);
    EXPECT_EQ(grid.State(), XListDropDown::State::Open);
    const COLORREF shadow = Sys(COLOR_3DSHADOW);
    ExpectPixels(grid, {{k.left, mid, shadow}, {k.right - 1, mid, shadow}});
    ExpectPixels(grid, {{k.CenterPoint().x, k.top, shadow}});
    ExpectPixels(grid, {{k.CenterPoint().x, k.bottom - 1, shadow}, {k.left + 1, mid, face}});
    ExpectPixels(grid, {{k.right - 2, mid, face}});
    ExpectArrow(k.left + 4, k.top + 5, face);

    display->MoveMouse(At(grid, Cell(0, 1).left + 10, mid));
    display->AdvanceClock(100);
    EXPECT_FALSE(grid.dropDownPending);
    EXPECT_FALSE(grid.GetCellData(0, 1)->dropDownPressed);
    ExpectArrow(k.left + 3, k.top + 4, face);
    Release();
    EXPECT_EQ(grid.State(), XListDropDown::State::Open);
}

TEST_F(GridTest, CheckBoxSitsNinePixelsInOrCentredWithoutText) {
    grid.InsertItem(0, "r0");
    const COLORREF own = RGB(255, 240, 200);
    SetHeaderFormat(2, HDF_RIGHT); // check box cells ignore the column's alignment
    for (int column : {1, 2}) {
        grid.GetCellData(0, column)->backColor = own;
    }
    grid.SetCheckState(0, 1, 0);
    grid.SetCheckState(0, 2, 1);
    grid.SetItemText(0, 2, "HH");
    Repaint();

    // The box is filled from L + 9; its sunken edge starts one pixel further right.
    const CRect c = Cell(0, 2);
    const int side = c.Height() - 1;
    const int mid = c.top + side / 2;
    const int box = c.left + 9;
    ExpectPixels(grid, {{box - 1, mid, own}, {box, mid, Sys(COLOR_WINDOW)}});
    ExpectPixels(grid, {{box + 1, mid, Sys(COLOR_3DSHADOW)}});
    ExpectPixels(grid, {{box + 2, mid, Sys(COLOR_3DDKSHADOW)}});
    ExpectPixels(grid, {{box + side - 2, mid, Sys(COLOR_3DLIGHT)}, {box + side, mid, own}});
    const CRect text = Ink(CRect(box + side, c.top, c.right, c.bottom), own);
    ASSERT_FALSE(text.IsRectEmpty());
    EXPECT_GE(text.left, box + side + 4);
    EXPECT_LE(text.left, box + side + 6);

    const CRect e = Cell(0, 1);
    const int centred = e.left + e.Width() / 2 - side / 2 - 1;
    ExpectPixels(grid, {{centred - 1, mid, own}, {centred, mid, Sys(COLOR_WINDOW)}});
    ExpectPixels(grid, {{centred + 1, mid, Sys(COLOR_3DSHADOW)}, {centred + side, mid, own}});
    EXPECT_TRUE(Ink(CRect(centred + side, e.top, e.right, e.bottom), own).IsRectEmpty());
}

TEST_F(GridTest, EmptyGridShowsItsMessageTenPixelsBelowTheHeader) {
    Repaint();
    CRect header;
    ::SendMessageA(grid.GetHeaderWindow(), HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&header));
    CRect client;
    grid.GetClientRect(&client);
    const CRect below(client.left, header.bottom, client.right, client.bottom);
    const CRect ink = Ink(below, white);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.top, header.bottom + 10);
    EXPECT_LE(ink.top, header.bottom + 14);
    EXPECT_NEAR(ink.left - client.left, client.right - ink.right, 2);
    EXPECT_GT(ink.Width(), 60);

    // A subclass's text replaces it.
    grid.message = "I";
    Repaint();
    const CRect narrow = Ink(below, white);
    ASSERT_FALSE(narrow.IsRectEmpty());
    EXPECT_LT(narrow.Width(), 6);
    EXPECT_NEAR(narrow.left - client.left, client.right - narrow.right, 2);
    grid.message = "";
    Repaint();
    EXPECT_TRUE(Ink(below, white).IsRectEmpty());

    // Rows hide it.
    grid.message.reset();
    grid.InsertItem(0, "");
    Repaint();
    EXPECT_TRUE(Ink(below, white).IsRectEmpty());
}

TEST_F(GridTest, CustomDrawAsksForEveryCellAndDrawsItItself) {
    grid.InsertItem(0, "a");
    grid.InsertItem(1, "b");
    grid.logStages = true;
    Repaint();
    const std::string perRow = std::to_string(CDRF_NOTIFYITEMDRAW);
    const std::string perCell = std::to_string(CDRF_NOTIFYSUBITEMDRAW);
    const std::string skip = std::to_string(CDRF_SKIPDEFAULT);
    std::vector<std::string> expected{"list:" + perRow};
    for (int row = 0; row < 2; ++row) {
        const std::string r = std::to_string(row);
        expected.push_back("row" + r + ":" + perCell);
        for (int column = 0; column < 4; ++column) {
            expected.push_back("cell" + r + "." + std::to_string(column) + ":" + skip);
        }
    }
    EXPECT_EQ(grid.stages, expected);
}

// An empty cell's initial choice is stored once the paint is over, so no paint nests in
// another; an empty choice is never stored (it would repaint forever).
TEST_F(GridTest, TheInitialChoiceIsStoredAfterThePaint) {
    grid.InsertItem(0, "r0");
    const std::vector<std::string> blankFirst{"", "Plum"};
    grid.SetDropDown(0, 1, TRUE, &blankFirst, 4, 0);
    const std::vector<std::string> plum{"Plum"};
    grid.SetDropDown(0, 2, TRUE, &plum, 4, 0);
    grid.SetItemText(0, 2, "");
    grid.SetCurSel(0);

    grid.maxDepth = 0;
    Repaint();
    EXPECT_EQ(grid.maxDepth, 1);
    EXPECT_EQ(grid.GetItemText(0, 1), "");
    EXPECT_EQ(grid.GetItemText(0, 2), "Plum");
    grid.maxDepth = 0;
    Repaint();
    EXPECT_EQ(grid.maxDepth, 1);

    // Opening the blank-first cell skips the blank entry and stores "Plum" instead.
    grid.maxDepth = 0;
    const CRect cell = Cell(0, 1);
    ClickAt(grid, cell.left + 5, cell.CenterPoint().y);
    ASSERT_NE(grid.dropDown, nullptr);
    EXPECT_EQ(grid.GetItemText(0, 1), "Plum");
    EXPECT_EQ(grid.maxDepth, 1);
}

// The grid's rows share their records while their values are the same: a change to one row
// (through a setter, a click or a record handed out for writing) must never show in another,
// and every record keeps the values it was made with. Three columns, as the ORDER BY grid.
class GridRecords : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        grid.SendMessage(LVM_DELETECOLUMN, 3);
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
};

TEST_F(GridRecords, SettersAndWrittenRecordsChangeOnlyTheirRow) {
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
}

TEST_F(GridRecords, ClicksTooltipsAndNewRowsChangeOnlyTheirRow) {
    for (int row = 0; row < 5; ++row) {
        MakeRow(row, "f" + std::to_string(row + 1));
    }
    // A click on a check box, through the list's input.
    ClickAt(grid, Cell(1, 0).left + 12, Cell(1, 0).CenterPoint().y);
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
TEST_F(GridRecords, TextsFollowTheirColumns) {
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
TEST_F(GridRecords, RecordsKeepTheColoursOfWhenTheyWereMade) {
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
