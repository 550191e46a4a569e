#pragma once
// Cells of a report-view list, and of the grid when the list is one: where a person clicks
// a cell, what it reads and whether its row is checked.
#include "platform/win/WinUser.h"

#include <optional>
#include <string>

namespace qvsql::scriptgrid {

// The centre of the cell, or of its check box on a grid's check box cell, in screen pixels;
// the row is scrolled into view first. False for indices out of range.
bool CellPoint(HWND list, int row, int column, POINT& screen);
// "" for indices out of range, as the grid answers.
std::string CellText(HWND list, int row, int column);
// The state of the row's first check box cell; none when the list is no grid or the row has
// no check box.
std::optional<int> RowCheck(HWND list, int row);

} // namespace qvsql::scriptgrid
