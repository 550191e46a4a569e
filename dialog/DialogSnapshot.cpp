#include "dialog/DialogSnapshot.h"

#include "dialog/CSELECTSQLDlg.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"

#include <algorithm>
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
    if (list.GetCount() != static_cast<int>(names.size()) + 1) {
        return; // not every name made it into the list: read it back instead
    }
    auto& items = snapshot.columnList;
    items.assign(names.size() + 1, {});
    items[0].text = "*";
    for (std::size_t i = 0; i < names.size(); ++i) {
        items[i + 1].text = names[i];
    }
    columnsRevision = list.Revision();
}

void Keeper::TakeColumns(const CExCheckListBox& list) {
    auto& items = snapshot.columnList;
    if (columnsRevision != list.Revision()) {
        items.assign(static_cast<std::size_t>(std::max(list.GetCount(), 0)), {});
        for (std::size_t i = 0; i < items.size(); ++i) {
            list.GetText(static_cast<int>(i), items[i].text);
        }
        columnsRevision = list.Revision();
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].checked = list.GetCheck(static_cast<int>(i)) != 0;
    }
}

void Keeper::TakeOrderBy(const CSELECTSQLDlg& dialog) {
    const COrderByListCtrl& grid = dialog.orderByGrid;
    auto& rows = snapshot.orderBy;
    if (orderByRevision != grid.RowsRevision()) {
        rows.assign(static_cast<std::size_t>(grid.GetItemCount()), {});
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const auto row = static_cast<int>(r);
            rows[r].field = grid.GetItemText(row, COrderByListCtrl::fieldColumn);
            rows[r].direction = grid.GetItemText(row, COrderByListCtrl::directionColumn);
            rows[r].checked = grid.GetCheckState(row, COrderByListCtrl::checkColumn) > 0;
        }
        orderByRevision = grid.RowsRevision();
    }
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
