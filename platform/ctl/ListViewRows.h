#pragma once
// The rows of a report view: one text per column, an item parameter and the state bits.
#include "platform/base/CommCtrl.h"

#include <string>
#include <vector>

namespace ctl {

struct ListViewRow {
    std::vector<std::string> texts;
    LPARAM param = 0;
    UINT state = 0;
};

class ListViewRows {
  public:
    int Count() const { return static_cast<int>(rows.size()); }
    bool Valid(int row) const { return row >= 0 && row < Count(); }
    // Past the end appends; returns the index.
    int Insert(int row, ListViewRow data);
    void Delete(int row) { rows.erase(rows.begin() + row); }
    void Clear() { rows.clear(); }
    // Room for count rows, so that filling a long list moves no row; a hint only, one past
    // maxReserved or below 0 is ignored.
    void Reserve(int count);
    static constexpr int maxReserved = 1 << 24;

    const std::string& Text(int row, int column) const;
    void SetText(int row, int column, std::string text);
    ListViewRow& At(int row) { return rows[static_cast<std::size_t>(row)]; }
    const ListViewRow& At(int row) const { return rows[static_cast<std::size_t>(row)]; }

    // Column texts follow a column inserted or deleted at index.
    void InsertColumn(int column);
    void DeleteColumn(int column);

    // The next row after start (from 0 when start is -1) having all of the state bits.
    int Next(int start, UINT state) const;
    // The first row from start on, wrapping, whose column-0 text begins with prefix.
    int FindPrefix(int start, const std::string& prefix) const;

  private:
    std::vector<ListViewRow> rows;
};

} // namespace ctl
