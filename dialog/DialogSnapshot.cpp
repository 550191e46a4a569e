#include "dialog/DialogSnapshot.h"

#include "dialog/CSELECTSQLDlg.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"

#include <memory>

namespace dialogsnapshot {

namespace {

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

void Keeper::ColumnsFilled(const CExCheckListBox& list, const std::vector<std::string>& names) {
    const bool whole = list.GetCount() == static_cast<int>(names.size()) + 1;
    filledNames = whole ? &names : nullptr; // else the list is read instead
    columnsRevision = list.Revision();
}

// The composer reads the "*" item and the checked names only, so only they are taken; the
// names come from those the list was filled with while it has not changed since.
void Keeper::TakeColumns(const CExCheckListBox& list) {
    auto& items = snapshot.columnList;
    items.clear();
    const int count = list.GetCount();
    const bool filled = filledNames && columnsRevision == list.Revision() &&
                        filledNames->size() + 1 == static_cast<std::size_t>(count);
    for (int i = 0; i < count; ++i) {
        const bool checked = list.GetCheck(i) != 0;
        if (i > 0 && !checked) {
            continue;
        }
        qvsql::ColumnItem& item = items.emplace_back();
        item.checked = checked;
        if (!filled) {
            list.GetText(i, item.text);
        } else {
            item.text = i == 0 ? "*" : (*filledNames)[static_cast<std::size_t>(i - 1)];
        }
    }
}

// Only checked rows take part in the sort order.
void Keeper::TakeOrderBy(const CSELECTSQLDlg& dialog) {
    const COrderByListCtrl& grid = dialog.orderByGrid;
    auto& rows = snapshot.orderBy;
    if (orderByRevision == grid.RowsRevision()) {
        return;
    }
    rows.clear();
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        if (grid.GetCheckState(row, COrderByListCtrl::checkColumn) > 0) {
            rows.push_back({true, grid.GetItemText(row, COrderByListCtrl::fieldColumn),
                            grid.GetItemText(row, COrderByListCtrl::directionColumn)});
        }
    }
    rows.shrink_to_fit();
    orderByRevision = grid.RowsRevision();
}

const qvsql::QuerySnapshot& Keeper::Gather(const CSELECTSQLDlg& dialog) {
    qvsql::QuerySnapshot& s = snapshot;
    s.grouping = dialog.Grouping();
    s.ready = dialog.ready;
    s.sqlText = dialog.sqlText;
    s.errorText = dialog.errorText;
    s.wpFlags = dialog.wpFlags;
    s.wpValues = dialog.wpValues;
    s.lastWpClause = dialog.lastWpClause;
    TakeColumns(dialog.columnList);
    s.table = ShownTable(dialog);
    s.schemaLookup = Schemas(dialog.schemaMap);
    s.whereEnabled = IsChecked(dialog, res::IDC_WHERE_ENABLE);
    s.where = WhereRows(dialog.whereGrid);
    s.orderByEnabled = IsChecked(dialog, res::IDC_ORDERBY_ENABLE);
    TakeOrderBy(dialog);
    return s;
}

} // namespace dialogsnapshot
