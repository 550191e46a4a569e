#pragma once
// The columns of a header: what each item holds, and the order in which they are shown.
#include "platform/base/CommCtrl.h"

#include <string>
#include <vector>

namespace ctl {

struct HeaderItem {
    int width = 0;
    std::string text;
    int format = 0;
    HBITMAP bitmap = nullptr;
    int image = 0;
    LPARAM param = 0;
};

class HeaderItems {
  public:
    int Count() const { return static_cast<int>(items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    // Inserts at index (past the end appends) and shows it at that display position.
    int Insert(int index, HeaderItem item);
    bool Delete(int index);
    HeaderItem& At(int index) { return items[static_cast<std::size_t>(index)]; }
    const HeaderItem& At(int index) const { return items[static_cast<std::size_t>(index)]; }

    // Item shown at display position; -1 outside.
    int OrderToIndex(int position) const;
    int PositionOf(int index) const;
    // Takes a full permutation of the items only.
    bool SetOrder(const int* order, int count);
    const std::vector<int>& Order() const { return order; }
    // Left edge of an item: the widths of the items shown before it.
    int LeftOf(int index) const;

  private:
    std::vector<HeaderItem> items;
    std::vector<int> order;
};

} // namespace ctl
