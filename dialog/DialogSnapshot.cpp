#include "dialog/DialogSnapshot.h"

#include "dialog/CSELECTSQLDlg.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"

#include <memory>

namespace dialogsnapshot {

namespace {

std::vector<qvsql::ColumnItem> Columns(const CExCheckListBox& list) {
    std::vector<qvsql::ColumnItem> items(static_cast<std::size_t>(std::max(list.GetCount(), 0)));
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        auto& item = items[static_cast<std::size_t>(i)];
        list.GetText(i, item.text);
        item.checked = list.GetCheck(i) != 0;
    }
    return items;
}

std::vector<qvsql::WhereRow> WhereRows(const CWhereListCtrl& grid) {
    std::vector<qvsql::WhereRow> rows;
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        rows.push_back({grid.GetItemText(r, CWhereListCtrl::andOrColumn),
                        grid.GetItemText(r, CWhereListCtrl::fieldColumn),
                        grid.GetItemText(r, CWhereListCtrl::operatorColumn),
                        grid.GetItemText(r, CWhereListCtrl::valueColumn)});
    }
    return rows;
}

std::vector<qvsql::OrderByRow> OrderByRows(const COrderByListCtrl& grid) {
    std::vector<qvsql::OrderByRow> rows;
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        rows.push_back({grid.GetCheckState(r, COrderByListCtrl::checkColumn) > 0,
                        grid.GetItemText(r, COrderByListCtrl::fieldColumn),
                        grid.GetItemText(r, COrderByListCtrl::directionColumn)});
    }
    return rows;
}

// The map hands out copies; the snapshot wants a pointer, so the copy lives with the lookup.
qvsql::SchemaLookup Schemas(const CMapStringToString& map) {
    auto found = std::make_shared<std::string>();
    return [&map, found](const std::string& table) -> const std::string* {
        return map.Lookup(table, *found) ? found.get() : nullptr;
    };
}

bool IsChecked(const CSELECTSQLDlg& dialog, int id) {
    return IsDlgButtonChecked(dialog.m_hWnd, id) == BST_CHECKED;
}

} // namespace

std::string ShownTable(const CSELECTSQLDlg& dialog) {
    std::string table;
    dialog.tableCombo.GetLBText(dialog.tableCombo.GetCurSel(), table);
    return table;
}

qvsql::QuerySnapshot Gather(const CSELECTSQLDlg& dialog) {
    qvsql::QuerySnapshot s;
    s.grouping = dialog.Grouping();
    s.ready = dialog.ready;
    s.sqlText = dialog.sqlText;
    s.errorText = dialog.errorText;
    s.wpFlags = dialog.wpFlags;
    s.wpValues = dialog.wpValues;
    s.lastWpClause = dialog.lastWpClause;
    s.columnList = Columns(dialog.columnList);
    s.table = ShownTable(dialog);
    s.schemaLookup = Schemas(dialog.schemaMap);
    s.whereEnabled = IsChecked(dialog, res::IDC_WHERE_ENABLE);
    s.where = WhereRows(dialog.whereGrid);
    s.orderByEnabled = IsChecked(dialog, res::IDC_ORDERBY_ENABLE);
    s.orderBy = OrderByRows(dialog.orderByGrid);
    return s;
}

} // namespace dialogsnapshot
