#include "dialog/GridCells.h"

namespace gridcells {

void InsertColumns(CXListCtrl& grid, std::span<const ColumnSpec> columns, int unitsAcross) {
    CRect window;
    grid.GetWindowRect(&window);
    const int unit = (window.Width() - 4) / unitsAcross;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        grid.InsertColumn(static_cast<int>(i), columns[i].heading, LVCFMT_LEFT,
                          columns[i].units * unit);
    }
}

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
    const XListCellData* cell = grid.PeekCellData(row, column);
    return cell ? cell->initialChoice : 0;
}

} // namespace gridcells
