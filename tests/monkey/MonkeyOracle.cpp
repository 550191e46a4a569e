#include "tests/monkey/MonkeyOracle.h"

#include "dialog/CSELECTSQLDlg.h"
#include "module/ModuleSettings.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "tests/monkey/MonkeyText.h"

namespace monkey {

qvsql::QuerySnapshot MonkeyOracle::Observe(const std::string& lastWpClause) const {
    qvsql::QuerySnapshot s;
    s.grouping = qvsql::GroupingChars::FromString(settings.groupingChars);
    s.wpFlags = dialog.wpFlags;
    s.wpValues = dialog.wpValues;
    s.lastWpClause = lastWpClause;
    for (int i = 0; i < dialog.columnList.GetCount(); ++i) {
        qvsql::ColumnItem item;
        dialog.columnList.GetText(i, item.text);
        item.checked = dialog.columnList.GetCheck(i) == 1;
        s.columnList.push_back(std::move(item));
    }
    s.table = ComboSelection(GetDlgItem(dialog.m_hWnd, res::IDC_TABLE));
    s.schemaLookup = [this](const std::string& table) -> const std::string* {
        const auto it = schemas.find(table);
        return it == schemas.end() ? nullptr : &it->second;
    };
    s.whereEnabled = IsDlgButtonChecked(dialog.m_hWnd, res::IDC_WHERE_ENABLE) == BST_CHECKED;
    const CWhereListCtrl& where = dialog.whereGrid;
    for (int r = 0; r < where.GetItemCount(); ++r) {
        s.where.push_back({where.GetItemText(r, 1), where.GetItemText(r, 2),
                           where.GetItemText(r, 3), where.GetItemText(r, 0)});
    }
    s.orderByEnabled = IsDlgButtonChecked(dialog.m_hWnd, res::IDC_ORDERBY_ENABLE) == BST_CHECKED;
    const COrderByListCtrl& order = dialog.orderByGrid;
    for (int r = 0; r < order.GetItemCount(); ++r) {
        s.orderBy.push_back(
            {order.GetCheckState(r, 0) == 1, order.GetItemText(r, 1), order.GetItemText(r, 2)});
    }
    return s;
}

qvsql::ComposeResult MonkeyOracle::Compose(const std::string& lastWpClause) const {
    return qvsql::ComposeStatement(Observe(lastWpClause));
}

} // namespace monkey
