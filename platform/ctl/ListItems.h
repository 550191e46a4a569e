#pragma once
// The entries of a list box or combo box: text, item data and the searches the controls
// answer. Comparisons fold ASCII letters only, so UTF-8 text stays byte for byte.
#include "platform/base/WinDef.h"

#include <string>
#include <string_view>
#include <vector>

namespace ctl {

class ListItems {
  public:
    // Entries beyond this answer LB_ERRSPACE, so a runaway caller cannot exhaust memory.
    static constexpr int MaxCount = 1 << 20;

    int Count() const { return static_cast<int>(items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    // Index of the new entry, or -1 when full. sorted: after its equals, ignoring case then
    // by bytes; else at the end.
    int Add(std::string_view text, bool sorted);
    // index -1 appends; -1 when out of range or full.
    int Insert(int index, std::string_view text);
    bool Erase(int index);
    void Clear() { items.clear(); }

    const std::string& Text(int index) const { return items[static_cast<std::size_t>(index)].text; }
    UINT_PTR Data(int index) const { return items[static_cast<std::size_t>(index)].data; }
    void SetData(int index, UINT_PTR data) { items[static_cast<std::size_t>(index)].data = data; }

    // The first entry after `after` (-1: from the top) beginning with prefix (exact: equal
    // to it), ignoring case and wrapping round; -1 when none.
    int Find(int after, std::string_view text, bool exact) const;

  private:
    struct Item {
        std::string text;
        UINT_PTR data = 0;
    };
    std::vector<Item> items;
};

// Order of a sorted list: ignoring ASCII case first, then by bytes.
bool SortsBefore(std::string_view a, std::string_view b);

} // namespace ctl
