// Keys in the WHERE grid's value editor, through the real dialog on the headless display:
// clipboard chords and undo act as in any edit, and Tab leaves the editor with its text kept.
#include "platform/ctl/Clipboard.h"
#include "platform/win/DialogNavigator.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "tests/dialog/QueryDialogFixture.h"

namespace dialogtest {
namespace {

class ValueKeysTest : public QueryDialogFixture {
  protected:
    // Adds a condition and opens its value editor.
    std::vector<Step> OpenEditor() {
        return {
            [&](auto&) { Press(res::IDC_ADD); },
            [&](auto& d) { d.DoubleClick(Cell(Dlg().whereGrid, 0, CWhereListCtrl::valueColumn)); }};
    }
    std::string EditorText() const {
        CEdit* edit = Dlg().whereGrid.GetEditControl();
        char text[64] = {};
        if (edit) {
            GetWindowTextA(edit->m_hWnd, text, sizeof text);
        }
        return text;
    }
};

TEST_F(ValueKeysTest, ClipboardChordsAndUndoEditTheValueWithoutTypingLetters) {
    RegisterSampleTables();
    std::vector<std::string> seen;
    std::vector<Step> steps = OpenEditor();
    steps.insert(steps.end(), {
                                  [&](auto& d) {
                                      d.TypeText("abc");
                                      d.Chord({VK_CONTROL}, 'A');
                                      d.Chord({VK_CONTROL}, 'X');
                                  },
                                  [&](auto& d) {
                                      seen.push_back(EditorText() + "|" + ctl::Clipboard::Text());
                                      d.TypeText("x");
                                      d.Chord({VK_CONTROL}, 'V');
                                      d.Chord({VK_SHIFT}, VK_INSERT);
                                  },
                                  [&](auto& d) {
                                      seen.push_back(EditorText());
                                      d.Chord({VK_CONTROL}, 'Z');
                                  },
                                  [&](auto& d) {
                                      seen.push_back(EditorText());
                                      d.Chord({VK_CONTROL}, 'Z');
                                  },
                                  [&](auto& d) {
                                      seen.push_back(EditorText());
                                      d.Key(VK_TAB);
                                  },
                                  [&](auto&) { seen.push_back(Preview()); },
                              });
    Run(steps);
    EXPECT_EQ(seen, (std::vector<std::string>{"|abc", "xabcabc", "xabc", "xabcabc",
                                              "SELECT * FROM Customers WHERE  ( ID = xabcabc ) "}));
}

TEST_F(ValueKeysTest, TabAndShiftTabCommitAndFollowTheTabOrder) {
    RegisterSampleTables();
    HWND afterTab = nullptr;
    HWND afterShiftTab = nullptr;
    HWND next = nullptr;
    HWND previous = nullptr;
    std::string value;
    std::vector<Step> steps = OpenEditor();
    steps.insert(steps.end(),
                 {
                     [&](auto& d) {
                         next = win::DialogNavigator::NextTabItem(Dlg().m_hWnd,
                                                                  Dlg().whereGrid.m_hWnd, false);
                         previous = win::DialogNavigator::NextTabItem(Dlg().m_hWnd,
                                                                      Dlg().whereGrid.m_hWnd, true);
                         d.TypeText("7");
                         d.Key(VK_TAB);
                     },
                     [&](auto&) {
                         afterTab = GetFocus();
                         value = Dlg().whereGrid.GetItemText(0, CWhereListCtrl::valueColumn);
                     },
                 });
    const std::vector<Step> again = OpenEditor();
    steps.push_back(again[1]);
    steps.insert(steps.end(), {
                                  [&](auto& d) { d.Chord({VK_SHIFT}, VK_TAB); },
                                  [&](auto&) { afterShiftTab = GetFocus(); },
                              });
    Run(steps);
    EXPECT_EQ(value, "7") << "the edit was committed";
    EXPECT_EQ(afterTab, next);
    EXPECT_EQ(afterShiftTab, previous);
    EXPECT_NE(next, previous);
    EXPECT_NE(next, nullptr);
}

} // namespace
} // namespace dialogtest
