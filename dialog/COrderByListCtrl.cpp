#include "dialog/COrderByListCtrl.h"

#include "dialog/GridCells.h"
#include "module/InterfaceTexts.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr int unitsAcross = 12;

constexpr std::array<gridcells::ColumnSpec, 3> columns{
    {{"Check", 2}, {"Fields", 7}, {"AscDesc", 3}}};

} // namespace

COrderByListCtrl::~COrderByListCtrl() = default;

std::string COrderByListCtrl::GetEmptyMessage() const {
    return qvsql::texts::orderByGridEmpty;
}

void COrderByListCtrl::SetUpColumns() {
    SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT);
    EnableToolTips(TRUE);
    gridcells::InsertColumns(*this, columns, unitsAcross);
    if (CWnd* header = CWnd::FromHandle(GetHeaderWindow())) {
        header->ModifyStyle(0, HDS_HIDDEN);
    }
}

void COrderByListCtrl::FillRows(const std::vector<std::string>& names,
                                const std::vector<std::string>& sortChoices) {
    SetRedraw(FALSE);
    DeleteAllItems();
    SetItemCount(static_cast<int>(std::min<std::size_t>(names.size(), INT32_MAX)));
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        MakeRow(i, names[static_cast<std::size_t>(i)], sortChoices);
    }
    SetRedraw(TRUE);
}

// The direction cell keeps its choices while plain, so checking the row only switches it on.
// The check cell keeps the empty text it was inserted with. Made through the grid's own
// setters only, the rows keep sharing their records.
void COrderByListCtrl::MakeRow(int row, const std::string& name,
                               const std::vector<std::string>& sortChoices) {
    if (InsertItem(row, "") < 0) {
        return;
    }
    SetItemText(row, fieldColumn, name);
    SetCheckState(row, checkColumn, 0);
    SetDropDown(row, directionColumn, TRUE, &sortChoices, 4, 0);
    SetDropDown(row, directionColumn, FALSE, &sortChoices, 4, 0);
    SetItemText(row, directionColumn, "");
    SetCellTooltip(row, fieldColumn, name.c_str());
}

int COrderByListCtrl::ApplyCheck(int row) {
    SetRedraw(FALSE);
    const int state = GetCheckState(row, checkColumn);
    gridcells::EnableDropDownCell(*this, row, directionColumn, state > 0, 0);
    SetRedraw(TRUE);
    return state;
}

COrderByListCtrl::Move COrderByListCtrl::MoveSelectedRow(int step) {
    const int row = GetCurSel();
    if (row < 0 || GetItemCount() == 0) {
        return Move::none;
    }
    SetRedraw(FALSE);
    const int other = row + step;
    if (other >= 0 && other < GetItemCount()) {
        if (GetCheckState(row, checkColumn) <= 0) {
            SetRedraw(TRUE);
            return Move::refused;
        }
        const std::string field = GetItemText(row, fieldColumn);
        const int choice = gridcells::GetInitialChoice(*this, row, directionColumn);
        const std::string direction = GetItemText(row, directionColumn);
        // The row giving way takes the plain cell of an unchecked row, checked or not.
        SetCheckState(row, checkColumn, GetCheckState(other, checkColumn));
        SetItemText(row, fieldColumn, GetItemText(other, fieldColumn));
        gridcells::EnableDropDownCell(*this, row, directionColumn, false, 0);
        SetCheckState(other, checkColumn, 1);
        SetItemText(other, fieldColumn, field);
        gridcells::EnableDropDownCell(*this, other, directionColumn, true, choice);
        SetItemText(other, directionColumn, direction);
        SetCurSel(other);
    }
    SetRedraw(TRUE);
    return Move::done;
}

std::vector<std::string> COrderByListCtrl::FieldNames() const {
    std::vector<std::string> names;
    for (int row = 0; row < GetItemCount(); ++row) {
        names.push_back(GetItemText(row, fieldColumn));
    }
    return names;
}
