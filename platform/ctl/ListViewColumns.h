#pragma once
// A report view's columns are its header's items; this speaks LVM_ column terms to them.
#include "platform/base/CommCtrl.h"

namespace ctl {

class ListViewColumns {
  public:
    explicit ListViewColumns(HWND headerWindow) : header(headerWindow) {}

    // The new column's index, or -1.
    LRESULT Insert(int column, const LVCOLUMNA* info) const;
    LRESULT Delete(int column) const;
    LRESULT Get(int column, LVCOLUMNA* info) const;
    int Width(int column) const;
    LRESULT SetWidth(int column, int width) const;

  private:
    HWND header;
};

} // namespace ctl
