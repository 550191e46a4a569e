#include "tests/monkey/MonkeyInvariants.h"

#include "dialog/CSELECTSQLDlg.h"
#include "dialog/DialogSnapshot.h"
#include "sql/StatementComposer.h"

#include <algorithm>

namespace monkey {

namespace {

bool IsOneOf(const std::string& text, const std::vector<std::string>& choices) {
    return std::find(choices.begin(), choices.end(), text) != choices.end();
}

std::string WindowText(HWND hwnd) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

void MonkeyInvariants::Opened(const std::string& handedIn) {
    lastStatement = handedIn;
    lastWpClause = dialog.lastWpClause;
}

std::string MonkeyInvariants::Check() {
    if (!dialog.m_hWnd || !dialog.ready) {
        return {};
    }
    for (std::string broken : {CheckColumnList(), CheckOrderBy(), CheckWhere(), CheckPreview()}) {
        if (!broken.empty()) {
            return broken;
        }
    }
    return {};
}

std::string MonkeyInvariants::CheckColumnList() const {
    const int count = dialog.columnList.GetCount();
    if (count != static_cast<int>(dialog.tableColumns.size()) + 1) {
        return "the column list has " + std::to_string(count) + " items for " +
               std::to_string(dialog.tableColumns.size()) + " columns";
    }
    std::string text;
    dialog.columnList.GetText(0, text);
    if (text != "*") {
        return "item 0 of the column list is \"" + text + "\", not \"*\"";
    }
    for (int i = 1; i < count; ++i) {
        dialog.columnList.GetText(i, text);
        if (text != dialog.tableColumns[static_cast<std::size_t>(i - 1)]) {
            return "column list item " + std::to_string(i) + " is \"" + text + "\"";
        }
    }
    return {};
}

// The sort rows are the table's columns in some order, directions only on ticked rows.
std::string MonkeyInvariants::CheckOrderBy() const {
    const COrderByListCtrl& grid = dialog.orderByGrid;
    std::vector<std::string> fields;
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        fields.push_back(grid.GetItemText(r, COrderByListCtrl::fieldColumn));
        const std::string direction = grid.GetItemText(r, COrderByListCtrl::directionColumn);
        const bool ticked = grid.GetCheckState(r, COrderByListCtrl::checkColumn) > 0;
        if (!direction.empty() && !(ticked && IsOneOf(direction, dialog.sortChoices))) {
            return "sort row " + std::to_string(r) + " has direction \"" + direction + "\"";
        }
    }
    std::vector<std::string> columns = dialog.tableColumns;
    std::sort(fields.begin(), fields.end());
    std::sort(columns.begin(), columns.end());
    return fields == columns ? std::string() : "the sort rows are not the table's columns";
}

std::string MonkeyInvariants::CheckWhere() const {
    const CWhereListCtrl& grid = dialog.whereGrid;
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        const std::string andOr = grid.GetItemText(r, CWhereListCtrl::andOrColumn);
        const std::string field = grid.GetItemText(r, CWhereListCtrl::fieldColumn);
        const std::string op = grid.GetItemText(r, CWhereListCtrl::operatorColumn);
        if ((!andOr.empty() && !IsOneOf(andOr, dialog.andOrChoices)) ||
            !IsOneOf(field, dialog.tableColumns) || !IsOneOf(op, dialog.operatorChoices)) {
            return "condition row " + std::to_string(r) + " holds \"" + andOr + "\" \"" + field +
                   "\" \"" + op + "\"";
        }
    }
    return {};
}

// The preview shows the statement, which is the handed-in text or the last successful
// composition: when it changes, composing the controls as they are now gives it again, or
// fails (a later edit in the same event left nothing to compose).
std::string MonkeyInvariants::CheckPreview() {
    const std::string preview = WindowText(GetDlgItem(dialog.m_hWnd, 1003));
    if (preview != dialog.sqlText) {
        return "the preview shows \"" + preview + "\" while the statement is \"" + dialog.sqlText +
               "\"";
    }
    const std::string before = lastWpClause;
    lastWpClause = dialog.lastWpClause;
    if (dialog.sqlText == lastStatement) {
        return {};
    }
    lastStatement = dialog.sqlText;
    qvsql::QuerySnapshot snapshot = dialogsnapshot::Gather(dialog);
    std::string composed;
    for (const std::string& clause : {dialog.lastWpClause, before}) {
        snapshot.lastWpClause = clause;
        const qvsql::ComposeResult again = qvsql::ComposeStatement(snapshot);
        // A failed composition after the successful one leaves the statement as it was.
        if (!again.result || again.sqlText == dialog.sqlText) {
            return {};
        }
        composed = again.result ? again.sqlText : again.errorText;
    }
    return "the statement \"" + dialog.sqlText + "\" is not what the controls compose: \"" +
           composed + "\"";
}

} // namespace monkey
