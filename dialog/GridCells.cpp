#include "dialog/GridCells.h"

namespace gridcells {

void EnableDropDownCell(CXListCtrl& grid, int row, int column, bool enable, int choice) {
    if (!enable) {
        grid.SetItemText(row, column, "");
    }
    if (XListCellData* cell = grid.GetCellData(row, column)) {
        cell->hasDropDown = enable ? TRUE : FALSE;
        cell->initialChoice = enable ? choice : 0;
    }
}

int GetInitialChoice(const CXListCtrl& grid, int row, int column) {
    const XListCellData* cell = grid.GetCellData(row, column);
    return cell ? cell->initialChoice : 0;
}

} // namespace gridcells
