#include "tests/monkey/MonkeyWatch.h"

#include "dialog/CSELECTSQLDlg.h"
#include "module/ModuleSettings.h"
#include "platform/ctl/MessageBoxWindow.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "sql/ColumnListString.h"
#include "sql/StatementComposer.h"
#include "sql/TextOps.h"
#include "tests/monkey/MonkeyText.h"

#include <algorithm>
#include <array>

namespace monkey {

namespace {

bool IsPseudoName(const std::string& name) {
    return qvsql::ToUpperAscii(name) == "{WHEN PRINTED}";
}

bool IsComposerMessage(const std::string& text) {
    return text == qvsql::errorNoColumns || text == qvsql::errorNoTable ||
           text == qvsql::errorWhere;
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// The names a When Printed prompt offers for a clause: upper-cased, the pseudo name left out,
// in a letter-case-blind order so that any sorting of the combo compares equal.
std::vector<std::string> PromptChoices(const std::vector<std::string>& names) {
    std::vector<std::string> choices;
    for (const std::string& name : names) {
        if (!IsPseudoName(name)) {
            choices.push_back(qvsql::ToUpperAscii(name));
        }
    }
    std::sort(choices.begin(), choices.end());
    return choices;
}

} // namespace

MonkeyWatch::MonkeyWatch(const CSELECTSQLDlg& watched, const qvsql::ModuleSettings& module,
                         const std::map<std::string, std::string>& registered,
                         const std::map<std::string, std::string>& schemaEntries)
    : dialog(watched), settings(module), tables(registered), schemas(schemaEntries),
      oracle(watched, module, schemaEntries), events(watched, oracle, failure) {}

MonkeyWatch::~MonkeyWatch() = default;

void MonkeyWatch::Fail(const std::string& what) {
    if (failure.empty()) {
        failure = what;
    }
}

void MonkeyWatch::Opened(const std::string& text) {
    handedIn = text;
    events.Opening();
    opening = true;
    promptSeen = false;
}

std::string MonkeyWatch::Check() {
    const HWND active = GetActiveWindow();
    if (IsWindow(dialog.m_hWnd)) {
        events.Hook(WindowText(GetDlgItem(dialog.m_hWnd, res::IDC_PREVIEW)));
        if (opening) {
            CheckOpening();
        }
        CheckBuilder();
    }
    if (active && ClassName(active) == ctl::MessageBoxWindow::ClassName) {
        CheckBox(active);
    } else if (active && active != dialog.m_hWnd && GetDlgItem(active, res::IDC_WP_PROMPT)) {
        CheckPrompt(active);
    } else {
        CheckPromptClosed();
    }
    events.NoteStep();
    return failure;
}

std::string MonkeyWatch::Ended(INT_PTR result) {
    if (result != IDOK && result != IDCANCEL) {
        Fail("DoModal answered " + std::to_string(result));
    }
    if (!opening && dialog.GetSQL() != events.LastPreview()) {
        Fail((result == IDOK ? "OK" : "Cancel") + std::string(" left the statement ") +
             Quoted(dialog.GetSQL()) + " but the preview last showed " +
             Quoted(events.LastPreview()));
    }
    if (IsWindow(dialog.m_hWnd)) {
        Fail("the dialog's window outlived DoModal");
    }
    return failure;
}

// The handed-in text stays until the first edit; without one the defaults are composed.
void MonkeyWatch::CheckOpening() {
    opening = false;
    const std::string shown = WindowText(GetDlgItem(dialog.m_hWnd, res::IDC_PREVIEW));
    if (!handedIn.empty() ? (shown == handedIn || events.Explains(shown))
                          : (shown.empty() ? !oracle.Compose(dialog.lastWpClause).result
                                           : events.Explains(shown))) {
        return;
    }
    Fail("opened with the preview " + Quoted(shown) + " for the handed-in " + Quoted(handedIn));
}

// ---- the builder's controls

void MonkeyWatch::CheckBuilder() {
    const std::string shown = WindowText(GetDlgItem(dialog.m_hWnd, res::IDC_PREVIEW));
    if (shown != dialog.sqlText || shown != events.LastPreview()) {
        Fail("the preview shows " + Quoted(shown) + ", the statement is " + Quoted(dialog.sqlText) +
             ", last set " + Quoted(events.LastPreview()));
    }
    if (!dialog.errorText.empty() && !IsComposerMessage(dialog.errorText)) {
        Fail("errorText is " + Quoted(dialog.errorText));
    }
    CheckColumnList();
    CheckTableCombo();
    CheckWhereGrid();
    CheckOrderByGrid();
}

void MonkeyWatch::CheckColumnList() {
    const CExCheckListBox& list = dialog.columnList;
    const int count = list.GetCount();
    if (count != static_cast<int>(dialog.tableColumns.size()) + 1) {
        return Fail("the column list has " + std::to_string(count) + " items for " +
                    std::to_string(dialog.tableColumns.size()) + " columns");
    }
    bool star = false;
    bool named = false;
    for (int i = 0; i < count; ++i) {
        std::string text;
        list.GetText(i, text);
        const std::string expected =
            i == 0 ? "*" : dialog.tableColumns[static_cast<std::size_t>(i - 1)];
        if (text != expected) {
            return Fail("column item " + std::to_string(i) + " is " + Quoted(text) +
                        " instead of " + Quoted(expected));
        }
        const int check = list.GetCheck(i);
        if (check != 0 && check != 1) {
            return Fail("column item " + std::to_string(i) + " has check " + std::to_string(check));
        }
        (i == 0 ? star : named) |= check == 1;
    }
    std::string last;
    list.GetText(count - 1, last);
    if (star && named && !IsPseudoName(last)) {
        Fail("\"*\" is checked together with a named column");
    }
}

// The combo lists every registered table, and the columns listed belong to a registered
// table: the one shown (in some letter case) when one is shown.
void MonkeyWatch::CheckTableCombo() {
    const HWND combo = GetDlgItem(dialog.m_hWnd, res::IDC_TABLE);
    std::vector<std::string> entries = ComboEntries(combo);
    std::vector<std::string> keys;
    for (const auto& table : tables) {
        keys.push_back(table.first);
    }
    std::sort(entries.begin(), entries.end());
    if (entries != keys) {
        return Fail("the table combo lists " + std::to_string(entries.size()) +
                    " entries that are not the " + std::to_string(keys.size()) +
                    " registered tables");
    }
    const std::string shown = ComboSelection(combo);
    bool belongs = tables.empty() && dialog.tableColumns.empty();
    for (const auto& [name, columns] : tables) {
        belongs = belongs || ((shown.empty() || qvsql::EqualsNoCase(name, shown)) &&
                              qvsql::SplitColumnList(columns) == dialog.tableColumns);
    }
    if (!belongs) {
        Fail("the columns listed are not those of the table shown, " + Quoted(shown));
    }
}

void MonkeyWatch::CheckWhereGrid() {
    const CWhereListCtrl& grid = dialog.whereGrid;
    const std::array<const std::vector<std::string>*, 4> lists{
        nullptr, &dialog.andOrChoices, &dialog.tableColumns, &dialog.operatorChoices};
    if (grid.GetItemCount() > 0 && dialog.tableColumns.empty()) {
        return Fail("WHERE rows for a table without columns");
    }
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        for (int c = 0; c < 4; ++c) {
            const XListCellData* cell = grid.GetCellData(r, c);
            const std::string at = "WHERE cell " + std::to_string(r) + "," + std::to_string(c);
            if (!cell) {
                return Fail(at + " has no record");
            }
            const std::string text = grid.GetItemText(r, c);
            const bool dropDown = c > 1 || (c == 1 && r > 0);
            if (static_cast<bool>(cell->hasDropDown) != dropDown) {
                return Fail(at + (dropDown ? " is not a drop-down" : " is a drop-down"));
            }
            if (dropDown && (cell->choices != lists[static_cast<std::size_t>(c)] ||
                             !Contains(*lists[static_cast<std::size_t>(c)], text))) {
                return Fail(at + " holds " + Quoted(text) +
                            " or offers the wrong list; the list: " +
                            Listed(*lists[static_cast<std::size_t>(c)]));
            }
            if (c == 1 && r == 0 && !text.empty()) {
                return Fail(at + " (the first connector) holds " + Quoted(text));
            }
        }
    }
}

void MonkeyWatch::CheckOrderByGrid() {
    const COrderByListCtrl& grid = dialog.orderByGrid;
    std::vector<std::string> fields;
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        const std::string at = "ORDER BY row " + std::to_string(r);
        const XListCellData* direction = grid.GetCellData(r, 2);
        const int check = grid.GetCheckState(r, 0);
        if (!direction || !grid.GetCellData(r, 1) || (check != 0 && check != 1)) {
            return Fail(at + " lacks a record or a check box");
        }
        const std::string text = grid.GetItemText(r, 2);
        if ((direction->hasDropDown && (check == 0 || direction->choices != &dialog.sortChoices)) ||
            (!text.empty() && !Contains(dialog.sortChoices, text))) {
            return Fail(at + " has the direction " + Quoted(text) + " or a wrong drop-down");
        }
        fields.push_back(grid.GetItemText(r, 1));
    }
    std::vector<std::string> columns = dialog.tableColumns;
    std::sort(fields.begin(), fields.end());
    std::sort(columns.begin(), columns.end());
    if (fields != columns) {
        Fail("the ORDER BY rows are not one per column");
    }
}

// ---- nested windows

void MonkeyWatch::CheckPrompt(HWND prompt) {
    const HWND combo = GetDlgItem(prompt, res::IDC_WP_DEFAULT);
    std::vector<std::string> offered = ComboEntries(combo);
    std::sort(offered.begin(), offered.end());
    std::vector<std::string> columns;
    std::vector<std::string> keys;
    for (int i = 0; i < dialog.columnList.GetCount(); ++i) {
        dialog.columnList.GetText(i, columns.emplace_back());
    }
    for (const auto& table : tables) {
        keys.push_back(table.first);
    }
    if (offered != PromptChoices(columns) && offered != PromptChoices(keys) &&
        offered != PromptChoices(dialog.orderByGrid.FieldNames())) {
        Fail("a When Printed prompt offers " + std::to_string(offered.size()) +
             " names that are no clause's names");
    }
    if (promptSeen && promptWindow != prompt) {
        CheckPromptClosed(); // an earlier prompt closed and this one opened in one event
    }
    if (!promptSeen) {
        wpTextBefore = dialog.lastWpText;
    }
    promptSeen = true;
    promptWindow = prompt;
    promptText = WindowText(GetDlgItem(prompt, res::IDC_WP_PROMPT));
    promptDefault = ComboSelection(combo);
}

void MonkeyWatch::CheckPromptClosed() {
    if (!promptSeen) {
        return;
    }
    promptSeen = false;
    const std::string expected = "{'" + promptText + "'|'" + promptDefault + "'}";
    if (dialog.lastWpText != wpTextBefore && dialog.lastWpText != expected) {
        Fail("the When Printed value is " + Quoted(dialog.lastWpText) + " for the prompt " +
             Quoted(promptText) + " and the default " + Quoted(promptDefault));
    }
}

void MonkeyWatch::CheckBox(HWND box) {
    const auto* shown = ctl::ControlMap<ctl::MessageBoxWindow>::Find(box);
    if (shown && !IsComposerMessage(shown->Text())) {
        Fail("a message box says " + Quoted(shown->Text()));
    }
}

} // namespace monkey
