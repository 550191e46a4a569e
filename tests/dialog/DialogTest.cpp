// The query builder driven through its real input path: clicks and keys on the headless
// display, with the statement engine behind it.
#include "dialog/CDefaultWpData.h"
#include "dialog/LibraryModule.h"
#include "platform/afx/AfxToolTipFilter.h"
#include "platform/afx/CWinApp.h"
#include "platform/ctl/MessageBoxWindow.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "tests/dialog/QueryDialogFixture.h"
#include "tests/platform/GfxTestSurface.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <tuple>

namespace dialogtest {
namespace {

using ::testing::ElementsAre;

constexpr const char* workedExample = "SELECT Name,[Zip Code] FROM Customers WHERE  ( City = "
                                      "'Paris' ) OR ( Name LIKE 'A%' )  ORDER BY Name DESC";

class DialogTest : public QueryDialogFixture {};

// Blue text smoothed into the grey face: blue well above both other channels.
bool IsBlueText(COLORREF c) {
    return GetBValue(c) > std::max(GetRValue(c), GetGValue(c)) + 100;
}

TEST_F(DialogTest, OpensWithTheHandedInStatementReadBackIntoItsControls) {
    RegisterSampleTables();
    Dlg().SetSQL(workedExample);
    std::string shown;
    std::vector<int> checks;
    std::vector<std::vector<std::string>> where;
    bool firstConnectorDrops = true;
    std::vector<std::string> sortRow;
    int sortCheck = -1;
    EXPECT_EQ(Run({[&](auto&) {
                  shown = Preview();
                  checks = Checks();
                  where = Rows(Dlg().whereGrid);
                  firstConnectorDrops = Dlg().whereGrid.GetCellData(0, 1)->hasDropDown;
                  sortRow = Row(Dlg().orderByGrid, 1);
                  sortCheck = Dlg().orderByGrid.GetCheckState(1, 0);
              }}),
              IDCANCEL);
    // The preview keeps the host's text although the composer writes it the same way here.
    EXPECT_EQ(shown, workedExample);
    EXPECT_THAT(checks, ElementsAre(0, 0, 1, 0, 1));
    EXPECT_THAT(where, ElementsAre(ElementsAre("'Paris'", "", "City", "="),
                                   ElementsAre("'A%'", "OR", "Name", "LIKE")));
    EXPECT_FALSE(firstConnectorDrops);
    EXPECT_THAT(sortRow, ElementsAre("", "Name", "DESC"));
    EXPECT_EQ(sortCheck, 1);
    EXPECT_TRUE(Dlg().ready);
    EXPECT_EQ(std::string(Dlg().GetSQL()), workedExample) << "Cancel keeps the statement";
}

TEST_F(DialogTest, EmptyStatementComposesAtOnceAndUnknownTableFallsBackToTheFirstEntry) {
    RegisterSampleTables();
    settings.currentTable = "Nowhere";
    const auto [shown, comboText, checks] = ReadOnce([&] {
        return std::tuple{Preview(), Dlg().tableCombo.GetWindowText(), Checks()};
    });
    EXPECT_EQ(shown, "SELECT * FROM Customers ");
    EXPECT_EQ(comboText, "Customers");
    EXPECT_THAT(checks, ElementsAre(1, 0, 0, 0, 0));
    EXPECT_EQ(settings.currentTable, "Nowhere") << "only the user's choice is written back";
}

TEST_F(DialogTest, LaterOpeningReadsBackTheHandedInStatementDespiteAWhenPrintedSelect) {
    RegisterSampleTables();
    Dlg().ready = true; // as after an earlier showing that left SELECT a When Printed value
    Dlg().wpFlags[0] = true;
    Dlg().wpValues[0] = "{'p'|'ID'}";
    Dlg().SetSQL("SELECT ID FROM Customers WHERE  ( City = 'Paris' ) ");
    const auto [whereRows, shown] = ReadOnce([&] {
        return std::pair{Dlg().whereGrid.GetItemCount(), Preview()};
    });
    EXPECT_EQ(whereRows, 1);
    EXPECT_EQ(shown, "SELECT ID FROM Customers WHERE  ( City = 'Paris' ) ");
}

TEST_F(DialogTest, TickingColumnsRebuildsThePreviewAndStarExcludesTheRest) {
    RegisterSampleTables();
    std::vector<std::string> previews;
    std::vector<std::vector<int>> checks;
    auto tick = [&](int item) {
        return [&, item](backend::HeadlessBackend& d) {
            previews.push_back(Preview());
            checks.push_back(Checks());
            d.Click(ItemPoint(Dlg().columnList, item));
        };
    };
    Run({tick(1), tick(4), tick(0), [&](auto&) {
             previews.push_back(Preview());
             checks.push_back(Checks());
         }});
    EXPECT_THAT(previews,
                ElementsAre("SELECT * FROM Customers ", "SELECT ID FROM Customers ",
                            "SELECT ID,[Zip Code] FROM Customers ", "SELECT * FROM Customers "));
    EXPECT_THAT(checks.back(), ElementsAre(1, 0, 0, 0, 0));
    EXPECT_THAT(checks[2], ElementsAre(0, 1, 0, 0, 1));
}

// A rectangle of a child window's client area in the dialog's surface pixels.
RECT InDialog(HWND dialog, HWND child, RECT r) {
    MapWindowPoints(child, nullptr, reinterpret_cast<POINT*>(&r), 2);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    OffsetRect(&r, -frame.left, -frame.top);
    return r;
}

// The rows of a child's client area, height tall from its top, in which any pixel differs
// (the area in logical pixels, the surfaces at any scale).
gfx::Region ChangedRows(const gfx::Surface& before, const gfx::Surface& after, const RECT& area,
                        int height) {
    gfx::Region rows;
    for (LONG top = area.top; top < area.bottom; top += height) {
        const RECT row{area.left, top, area.right, std::min(top + height, area.bottom)};
        const int f = after.Scale();
        bool changed = false;
        for (LONG y = row.top * f; y < row.bottom * f && !changed; ++y) {
            for (LONG x = row.left * f; x < row.right * f && !changed; ++x) {
                changed = before.ColorAt(x, y) != after.ColorAt(x, y);
            }
        }
        if (changed) {
            rows.Union(row);
        }
    }
    return rows;
}

// A tick sends the display the column list's entries that changed and the preview's lines
// that changed, nothing else, and the display then shows every pixel as the dialog drew it.
TEST_F(DialogTest, TickingAColumnPresentsOnlyTheChangedEntriesAndPreviewLines) {
    RegisterSampleTables();
    HWND preview = nullptr;
    gfx::Surface before;
    gfx::Surface after;
    gfx::Region presented;
    gfx::Region allowed;
    RECT previewArea{};
    bool shownAsDrawn = false;
    auto surface = [&] { return *win::WindowSurface(Dlg().m_hWnd); };
    auto area = [&](HWND child) {
        RECT r{};
        GetClientRect(child, &r);
        return InDialog(Dlg().m_hWnd, child, r);
    };
    auto tick = [&](int item) {
        return [&, item](backend::HeadlessBackend& d) {
            const POINT p = ItemPoint(Dlg().columnList, item);
            before = surface();
            d.TakePresented(Dlg().m_hWnd);
            d.Click(p.x, p.y);
        };
    };
    Run({[&](backend::HeadlessBackend& d) {
             d.MirrorPresents();
             preview = GetDlgItem(Dlg().m_hWnd, res::IDC_PREVIEW);
             RedrawWindow(Dlg().m_hWnd, nullptr, nullptr,
                          RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
         },
         tick(1), tick(2),
         [&](backend::HeadlessBackend& d) {
             presented = d.TakePresented(Dlg().m_hWnd);
             after = surface();
             shownAsDrawn = gfx::test::SamePixels(*d.Shown(Dlg().m_hWnd), after);
             for (int item : {1, 2}) { // the old selection and the new one, ticked
                 RECT r{};
                 Dlg().columnList.GetItemRect(item, &r);
                 allowed.Union(InDialog(Dlg().m_hWnd, Dlg().columnList.m_hWnd, r));
             }
             HDC dc = GetDC(preview);
             SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(preview, WM_GETFONT, 0, 0)));
             TEXTMETRICA tm{};
             GetTextMetricsA(dc, &tm);
             ReleaseDC(preview, dc);
             previewArea = area(preview);
             allowed.Union(ChangedRows(before, after, previewArea, tm.tmHeight));
         }});
    EXPECT_TRUE(shownAsDrawn) << "nothing drawn was kept from the display";
    ASSERT_FALSE(presented.IsEmpty());
    EXPECT_TRUE(presented.Intersects(previewArea)) << "the statement changed";
    gfx::Region extra = presented;
    extra.Subtract(allowed);
    for (const RECT& r : extra.Rects()) {
        ADD_FAILURE() << "sent beyond the change: " << r.left << "," << r.top << " " << r.right
                      << "," << r.bottom;
    }
}

TEST_F(DialogTest, PlusAndMinusKeepTheFirstRowWithoutConnector) {
    RegisterSampleTables();
    std::vector<std::string> previews;
    std::vector<std::vector<std::string>> rows;
    bool firstDrops = true;
    auto record = [&] {
        previews.push_back(Preview());
        rows = Rows(Dlg().whereGrid);
    };
    auto press = [&](int id) {
        return [&, id](backend::HeadlessBackend&) {
            record();
            Press(id);
        };
    };
    auto pick = [&](int row) {
        return [&, row](backend::HeadlessBackend& d) {
            d.Click(Cell(Dlg().whereGrid, row, CWhereListCtrl::valueColumn));
        };
    };
    Run({press(res::IDC_REMOVE), press(res::IDC_ADD), press(res::IDC_ADD), press(res::IDC_ADD),
         [&](auto&) {
             record();
             EXPECT_THAT(rows, ElementsAre(ElementsAre("", "", "ID", "="),
                                           ElementsAre("", "AND", "Name", "="),
                                           ElementsAre("", "AND", "City", "=")));
             Press(res::IDC_REMOVE); // nothing selected: nothing goes
         },
         pick(0), press(res::IDC_REMOVE),
         [&](auto&) {
             record();
             firstDrops = Dlg().whereGrid.GetCellData(0, CWhereListCtrl::andOrColumn)->hasDropDown;
         },
         pick(1), press(res::IDC_REMOVE), pick(0), press(res::IDC_REMOVE),
         [&](auto&) { record(); }});
    EXPECT_EQ(previews[0], "SELECT * FROM Customers ");
    EXPECT_EQ(previews[1], previews[0]) << "minus on an empty grid";
    EXPECT_EQ(previews[4], "SELECT * FROM Customers WHERE  ( ID = '' ) AND ( Name = '' ) AND "
                           "( City = '' ) ");
    EXPECT_EQ(previews[5], previews[4]);
    EXPECT_FALSE(firstDrops);
    EXPECT_EQ(previews[6], "SELECT * FROM Customers WHERE  ( Name = '' ) AND ( City = '' ) ");
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(previews.back(), "SELECT * FROM Customers ");
}

TEST_F(DialogTest, OneColumnTableCyclesEveryRowToThatColumn) {
    Dlg().SetTableAndColumns("Solo", "Only\t");
    settings.currentTable = "Solo";
    Run({[&](auto&) {
        Dlg().AddWhereRow(-1, -1, -1, nullptr);
        Dlg().AddWhereRow(-1, -1, -1, "5");
        EXPECT_THAT(Row(Dlg().whereGrid, 1), ElementsAre("5", "AND", "Only", "="));
        Dlg().tableColumns.clear();
        Dlg().AddWhereRow(-1, -1, -1, nullptr); // no columns: nothing is added
        EXPECT_EQ(Dlg().whereGrid.GetItemCount(), 2);
    }});
}

TEST_F(DialogTest, WhereSwitchDisablesItsControlsAndDropsTheClauseUntilBackOn) {
    RegisterSampleTables();
    Dlg().SetSQL("SELECT * FROM Customers WHERE  ( City = 'Paris' ) ");
    std::vector<std::string> previews;
    std::vector<bool> enabled;
    auto toggle = [&](auto&) {
        previews.push_back(Preview());
        enabled.push_back(Dlg().whereGrid.IsWindowEnabled() && Dlg().addButton.IsWindowEnabled() &&
                          Dlg().removeButton.IsWindowEnabled());
        Press(res::IDC_WHERE_ENABLE);
    };
    Run({toggle, toggle, [&](auto&) {
             previews.push_back(Preview());
             enabled.push_back(Dlg().whereGrid.IsWindowEnabled() != FALSE);
         }});
    EXPECT_THAT(previews, ElementsAre("SELECT * FROM Customers WHERE  ( City = 'Paris' ) ",
                                      "SELECT * FROM Customers ",
                                      "SELECT * FROM Customers WHERE  ( City = 'Paris' ) "));
    EXPECT_THAT(enabled, ElementsAre(true, false, true));
}

TEST_F(DialogTest, OkIsRefusedWithTheComposersMessageAndTheDialogStays) {
    RegisterSampleTables();
    std::string previewAfterUntick;
    std::string boxText;
    std::string boxCaption;
    bool openAfterBox = false;
    Run({[&](auto& d) {
             const POINT p = ItemPoint(Dlg().columnList, 0);
             d.Click(p.x, p.y); // unticks "*": nothing is selected any more
         },
         [&](auto&) {
             previewAfterUntick = Preview();
             Press(IDOK);
         },
         [&](auto& d) {
             HWND box = TopWindowOfClass(ctl::MessageBoxWindow::ClassName);
             if (const auto* shown = ctl::ControlMap<ctl::MessageBoxWindow>::Find(box)) {
                 boxText = shown->Text();
             }
             char caption[64] = {};
             GetWindowTextA(box, caption, static_cast<int>(sizeof caption));
             boxCaption = caption;
             d.Key(VK_RETURN);
         },
         [&](auto&) {
             openAfterBox = Dlg().m_hWnd && IsWindowVisible(Dlg().m_hWnd);
             Press(IDCANCEL);
         }});
    EXPECT_EQ(previewAfterUntick, "SELECT * FROM Customers ");
    EXPECT_EQ(boxText, "Syntax Error: SELECT ?Columns?");
    EXPECT_EQ(boxCaption, "QvSQLBuilder") << "the framework's default for the library";
    EXPECT_TRUE(openAfterBox);
    EXPECT_EQ(Dlg().errorText, "Syntax Error: SELECT ?Columns?");
}

TEST_F(DialogTest, ReturnAndEscapeDoNothingAndOkHandsBackTheStatement) {
    RegisterSampleTables();
    bool open = false;
    const INT_PTR result = Run({[&](auto& d) {
                                    d.Key(VK_RETURN);
                                    d.Key(VK_ESCAPE);
                                },
                                [&](auto& d) {
                                    SetFocus(Dlg().columnList.m_hWnd);
                                    d.Key(VK_ESCAPE);
                                },
                                [&](auto&) {
                                    open = Dlg().m_hWnd && IsWindowVisible(Dlg().m_hWnd);
                                    Press(IDOK);
                                }});
    EXPECT_TRUE(open);
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(Dlg().GetSQL(), "SELECT * FROM Customers ");

    // The object outlives its window: a second showing takes over fresh controls.
    Dlg().SetSQL("SELECT City FROM Customers ");
    std::vector<int> checks;
    EXPECT_EQ(Run({[&](auto&) { checks = Checks(); }}), IDCANCEL);
    EXPECT_THAT(checks, ElementsAre(0, 0, 0, 1, 0));
}

TEST_F(DialogTest, WhenPrintedColumnConfirmedThenAskedAgainAndCancelled) {
    Dlg().SetTableAndColumns("People", "ID\tName\t{when printed}\t");
    settings.currentTable = "People";
    std::vector<std::string> offered;
    std::string afterOk;
    std::string afterCancel;
    bool flagAfterOk = false;
    Run({[&](auto& d) { d.Click(ItemPoint(Dlg().columnList, 3)); },
         [&](auto& d) { // inside the When Printed dialog
             HWND wp = GetActiveWindow();
             for (int i = 0; i < 3; ++i) {
                 char text[32] = {};
                 SendDlgItemMessageA(wp, res::IDC_WP_DEFAULT, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                     reinterpret_cast<LPARAM>(text));
                 offered.push_back(text);
             }
             d.Click(Centre(GetDlgItem(wp, res::IDC_WP_PROMPT)));
             d.TypeText("Which column?");
         },
         [&](auto& d) { d.Click(Centre(GetDlgItem(GetActiveWindow(), IDOK))); },
         [&](auto& d) {
             afterOk = Preview();
             flagAfterOk = Dlg().wpFlags[0];
             const POINT p = ItemPoint(Dlg().columnList, 1);
             d.Click(p.x, p.y); // the last item is still ticked: asked again
         },
         [&](auto& d) { d.Click(Centre(GetDlgItem(GetActiveWindow(), IDCANCEL))); },
         [&](auto&) { afterCancel = Preview(); }});
    EXPECT_THAT(offered, ElementsAre("*", "ID", "NAME"));
    EXPECT_EQ(afterOk, "SELECT {'Which column?'|'*'} FROM People ");
    EXPECT_TRUE(flagAfterOk);
    EXPECT_EQ(afterCancel, afterOk);
    EXPECT_FALSE(Dlg().wpFlags[0]);
    EXPECT_EQ(Dlg().lastWpText, "{'Which column?'|'*'}");
}

TEST_F(DialogTest, PickingAnotherTableRebuildsListsAndEmptiesTheWhereGrid) {
    RegisterSampleTables();
    Dlg().SetSQL("SELECT ID FROM Customers WHERE  ( City = 'Paris' ) ");
    int whereRows = -1;
    std::vector<std::string> sortNames;
    std::vector<int> checks;
    std::string shown;
    Run({[&](auto& d) {
             SetFocus(Dlg().tableCombo.m_hWnd);
             d.Key(VK_DOWN);
         },
         [&](auto&) {
             whereRows = Dlg().whereGrid.GetItemCount();
             sortNames = Dlg().orderByGrid.FieldNames();
             checks = Checks();
             shown = Preview();
         }});
    EXPECT_EQ(settings.currentTable, "Orders") << "kept although the dialog was cancelled";
    EXPECT_EQ(whereRows, 0);
    EXPECT_THAT(sortNames, ElementsAre("OrderID", "Total"));
    EXPECT_THAT(checks, ElementsAre(1, 0, 0));
    EXPECT_EQ(shown, "SELECT * FROM Orders ");
}

TEST_F(DialogTest, SortRowsCheckAndMoveWithTheirDirection) {
    RegisterSampleTables();
    Dlg().SetSQL("SELECT * FROM Customers ORDER BY ID DESC");
    std::vector<std::string> previews;
    std::vector<std::vector<std::string>> rows;
    bool directionDrops = false;
    int selectedAfterMove = -1;
    auto snap = [&] {
        previews.push_back(Preview());
        rows = {Row(Dlg().orderByGrid, 0), Row(Dlg().orderByGrid, 1)};
    };
    Run({[&](auto& d) { d.Click(Cell(Dlg().orderByGrid, 2, COrderByListCtrl::checkColumn)); },
         [&](auto&) {
             snap();
             directionDrops = Dlg().orderByGrid.GetCellData(2, 2)->hasDropDown;
             Dlg().orderByGrid.SetCurSel(0);
             Press(res::IDC_UP); // the first row cannot go higher
         },
         [&](auto&) {
             snap();
             Press(res::IDC_DOWN);
         },
         [&](auto&) {
             snap();
             selectedAfterMove = Dlg().orderByGrid.GetCurSel();
             Dlg().orderByGrid.SetCurSel(3); // unchecked: refused
             Press(res::IDC_UP);
         },
         [&](auto&) { snap(); }});
    EXPECT_EQ(previews[0], "SELECT * FROM Customers  ORDER BY ID DESC,City");
    EXPECT_TRUE(directionDrops);
    EXPECT_EQ(previews[1], previews[0]);
    EXPECT_EQ(previews[2], "SELECT * FROM Customers  ORDER BY ID DESC,City");
    EXPECT_THAT(rows, ElementsAre(ElementsAre("", "Name", ""), ElementsAre("", "ID", "DESC")));
    EXPECT_EQ(selectedAfterMove, 1);
    EXPECT_EQ(previews[3], previews[2]);
}

TEST_F(DialogTest, ValueIsEditedInPlaceAndStoredWhenTheEditorLosesFocus) {
    RegisterSampleTables();
    std::string shown;
    bool editorOnF2 = false;
    Run({[&](auto&) { Press(res::IDC_ADD); },
         [&](auto& d) { d.DoubleClick(Cell(Dlg().whereGrid, 0, CWhereListCtrl::valueColumn)); },
         [&](auto& d) { d.TypeText("'Paris'"); },
         [&](auto& d) {
             d.Key(VK_RETURN); // consumed: the edit stays open
             d.Click(Control(res::IDC_COLUMNS));
         },
         [&](auto& d) {
             shown = Preview();
             SetFocus(Dlg().whereGrid.m_hWnd);
             d.Key(VK_F2);
         },
         [&](auto&) { editorOnF2 = Dlg().whereGrid.GetEditControl() != nullptr; }});
    EXPECT_EQ(shown, "SELECT * FROM Customers WHERE  ( ID = 'Paris' ) ");
    EXPECT_TRUE(editorOnF2);
}

TEST_F(DialogTest, TitleAndTranslatedTextsComeFromTheStringFile) {
    RegisterSampleTables();
    const std::string path = std::string(QVSQL_TEST_OUTPUT_DIR) + "/dialog_french.str";
    std::ofstream(path) << "[SQLBuilder]\nOrvane SQL Query Builder - SELECT SQL Query=Requete\n"
                           "Cancel=Annuler\nSyntax:=Syntaxe :\nSELECT=CHOISIR\n";
    settings.stringFilePath = path;
    const auto texts = ReadOnce([&] {
        std::vector<std::string> shown{Dlg().GetWindowText()};
        for (int id : {IDCANCEL, res::IDC_SYNTAX_LABEL, res::IDC_SELECT_LABEL}) {
            shown.push_back(Dlg().GetDlgItem(id)->GetWindowText());
        }
        return shown;
    });
    std::remove(path.c_str());
    // The keyword labels stay English.
    EXPECT_THAT(texts, ElementsAre("Requete", "Annuler", "Syntaxe :", "SELECT"));
}

TEST_F(DialogTest, KeywordLabelsAreBlueAndThePreviewIsWhite) {
    RegisterSampleTables();
    Dlg().SetSQL(workedExample); // fills the column list and both grids for the picture
    COLORREF previewPixel = 0;
    std::vector<int> bluePixels;
    Run({[&](auto&) {
        display->Pump();
        display->SaveWindowPng(Dlg().m_hWnd,
                               std::string(QVSQL_TEST_OUTPUT_DIR) + "/query_builder.png");
        const gfx::Surface shot = display->CaptureWindow(Dlg().m_hWnd);
        RECT frame{};
        GetWindowRect(Dlg().m_hWnd, &frame);
        RECT preview{};
        GetWindowRect(GetDlgItem(Dlg().m_hWnd, res::IDC_PREVIEW), &preview);
        // Below the one line of text, inside the border.
        const auto at = [&](LONG x, LONG y) { // window coordinates to the shot's pixels
            return shot.ColorAt((x - frame.left) * shot.Scale(), (y - frame.top) * shot.Scale());
        };
        previewPixel = at(preview.left + 6, preview.bottom - 6);
        for (int id : {res::IDC_SELECT_LABEL, res::IDC_ORDERBY_LABEL, res::IDC_PREVIEW_LABEL}) {
            RECT r{};
            GetWindowRect(GetDlgItem(Dlg().m_hWnd, id), &r);
            int blue = 0;
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    blue += IsBlueText(at(x, y));
                }
            }
            bluePixels.push_back(blue);
        }
    }});
    EXPECT_EQ(previewPixel, RGB(255, 255, 255));
    EXPECT_GT(bluePixels[0], 0);
    EXPECT_GT(bluePixels[1], 0);
    EXPECT_EQ(bluePixels[2], 0) << "the preview's label keeps the platform's colour";
}

TEST_F(DialogTest, WhenPrintedDialogBuildsItsTextFromPromptAndDefault) {
    auto runWp = [&](std::vector<std::string> choices, std::vector<Step> steps) {
        Script(std::move(steps));
        CDefaultWpData wp;
        wp.SetDefaultChoices(choices);
        const HINSTANCE previous = AfxGetResourceHandle();
        AfxSetResourceHandle(qvsql::LibraryModule());
        const INT_PTR result = wp.DoModal();
        AfxSetResourceHandle(previous);
        display->SetScript(nullptr);
        return std::make_pair(result, wp.GetWpText());
    };
    auto pressIn = [](int id) {
        return [id](backend::HeadlessBackend& d) {
            d.Click(Centre(GetDlgItem(GetActiveWindow(), id)));
        };
    };
    EXPECT_EQ(runWp({"beta", "ALPHA"}, {pressIn(IDOK)}),
              std::make_pair(INT_PTR{IDOK}, std::string("{''|'ALPHA'}")));
    EXPECT_EQ(runWp({}, {pressIn(res::IDC_WP_PROMPT), [](auto& d) { d.TypeText("it's|x"); },
                         [](auto& d) { d.Key(VK_RETURN); }}),
              std::make_pair(INT_PTR{IDOK}, std::string("{'it's|x'|''}")));
    EXPECT_EQ(runWp({"A"}, {[](auto& d) { d.Key(VK_ESCAPE); }}),
              std::make_pair(INT_PTR{IDCANCEL}, std::string()));
}

} // namespace
} // namespace dialogtest
