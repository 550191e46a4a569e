#pragma once
// Drop-down cells switched on and off in place: the grids keep a cell's choices while it is
// plain, so a row can regain its drop-down without being made again.
#include "controls/CXListCtrl.h"

namespace gridcells {

// Disabling also empties the cell; the initial choice is kept only while enabled.
void EnableDropDownCell(CXListCtrl& grid, int row, int column, bool enable, int choice);
// 0 for a cell that does not exist.
int GetInitialChoice(const CXListCtrl& grid, int row, int column);

} // namespace gridcells
