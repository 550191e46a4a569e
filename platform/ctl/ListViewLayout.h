#pragma once
// Where the rows and cells of a report view lie: below the header (as high as its layout
// answers now), one row height each from the top row on, columns where the header puts them.
#include "platform/base/CommCtrl.h"

#include <vector>

namespace ctl {

class ListViewLayout {
  public:
    ListViewLayout(HWND list, HWND header, int rowHeight, int top);

    int RowsTop() const { return rowsTop; }
    int RowHeight() const { return rowHeight; }
    int Columns() const { return static_cast<int>(lefts.size()); }
    // Columns in display order.
    const std::vector<int>& Order() const { return order; }
    // Whole rows that fit below the header, without measuring the columns.
    static int PageSizeOf(HWND list, HWND header, int rowHeight);
    // The rows wholly or partly inside the client area: [first, last).
    int FirstVisible() const { return top; }
    int LastVisible(int count) const;

    RECT RowBounds(int row) const;
    RECT CellRect(int row, int column) const;
    // -1 when y is above the rows; rows past the count are the caller's to reject.
    int RowAt(int y) const;
    int ColumnAt(int x) const;

  private:
    RECT client{};
    int rowHeight;
    int top;
    int rowsTop = 0;
    std::vector<int> lefts;
    std::vector<int> rights;
    std::vector<int> order;
};

} // namespace ctl
