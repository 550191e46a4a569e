#include "dialog/CWhereListCtrl.h"

#include "dialog/GridCells.h"
#include "module/InterfaceTexts.h"

#include <array>

namespace {

constexpr int unitsAcross = 16;

constexpr std::array<gridcells::ColumnSpec, 4> columns{
    {{"Value", 5}, {"AndOr", 3}, {"Fields", 5}, {"Operator", 3}}};

int Size(const std::vector<std::string>& list) {
    return static_cast<int>(list.size());
}

} // namespace

CWhereListCtrl::~CWhereListCtrl() = default;

std::string CWhereListCtrl::GetEmptyMessage() const {
    return qvsql::texts::whereGridEmpty;
}

void CWhereListCtrl::SetUpColumns() {
    SetRedraw(FALSE);
    SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT);
    EnableToolTips(TRUE);
    gridcells::InsertColumns(*this, columns, unitsAcross);
    // The value reads last, after the condition it completes.
    const std::array<int, 4> order{andOrColumn, fieldColumn, operatorColumn, valueColumn};
    SetColumnOrderArray(static_cast<int>(order.size()), order.data());
    columnBeforeFirst = operatorColumn;
    if (CWnd* header = CWnd::FromHandle(GetHeaderWindow())) {
        header->ModifyStyle(0, HDS_HIDDEN);
    }
    SetRedraw(TRUE);
}

void CWhereListCtrl::AddRow(const Choices& choices, int andOr, int field, int op,
                            const char* value) {
    const int row = GetItemCount();
    const int fieldCount = Size(choices.fields);
    if (fieldCount == 0) {
        return;
    }
    if (InsertItem(row, "") < 0) {
        return;
    }
    SetItemText(row, valueColumn, value ? value : "");
    SetItemText(row, andOrColumn, "");
    SetItemText(row, fieldColumn, "");
    SetItemText(row, operatorColumn, "");
    if (row > 0) {
        SetDropDown(row, andOrColumn, TRUE, &choices.andOr, 4, andOr >= 0 ? andOr : 1);
    }
    const int chosenField = field >= 0 && field < fieldCount ? field : row % fieldCount;
    SetDropDown(row, fieldColumn, TRUE, &choices.fields, fieldCount + 1, chosenField);
    SetDropDown(row, operatorColumn, TRUE, &choices.operators, 5, op >= 0 ? op : 0);
    SetCellTooltip(row, fieldColumn, choices.fields[static_cast<std::size_t>(chosenField)].c_str());
}

bool CWhereListCtrl::RemoveSelectedRow() {
    const int count = GetItemCount();
    if (count == 0) {
        return false;
    }
    const int row = GetCurSel();
    if (row >= 0) {
        SetRedraw(FALSE);
        DeleteItem(row);
        // The new first row joins nothing, so its connector goes.
        if (row == 0 && count >= 2) {
            gridcells::EnableDropDownCell(*this, 0, andOrColumn, false, 0);
        }
        SetRedraw(TRUE);
    }
    return true;
}

bool CWhereListCtrl::EditValue(int row) {
    if (row < 0 || row >= GetItemCount()) {
        return false;
    }
    SetFocus();
    return EditLabel(row) != nullptr;
}

void CWhereListCtrl::StoreEditedValue(const NMLVDISPINFOA& info) {
    if (info.item.iItem < 0 || info.item.iSubItem != valueColumn || !info.item.pszText) {
        return;
    }
    SetItemText(info.item.iItem, valueColumn, info.item.pszText);
    UpdateCell(info.item.iItem, valueColumn);
}
