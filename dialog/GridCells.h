#pragma once
// What the two grids share: their column set-up, and drop-down cells switched on and off in
// place (a plain cell keeps its choices, so a row regains its drop-down without being made
// again).
#include "controls/CXListCtrl.h"

#include <span>

namespace gridcells {

struct ColumnSpec {
    const char* heading;
    int units;
};

// Left-aligned columns in index order; a unit is (window width - 4) / unitsAcross pixels.
void InsertColumns(CXListCtrl& grid, std::span<const ColumnSpec> columns, int unitsAcross);

// Disabling also empties the cell; the initial choice is kept only while enabled.
void EnableDropDownCell(CXListCtrl& grid, int row, int column, bool enable, int choice);
// 0 for a cell that does not exist.
int GetInitialChoice(const CXListCtrl& grid, int row, int column);

} // namespace gridcells
