#pragma once
// What the grid keeps of its rows beside its list, so that reading a cell asks the list
// nothing: each row's record array (the row's item parameter, mirrored as the list's row
// messages pass by) and the texts of columns 1 and up, which only the grid draws and reads.
// The list keeps column 0, which its label editor and type-ahead use.
#include "controls/XListCellData.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class XListRows {
  public:
    using CellArray = std::vector<XListCellData>;

    int Count() const { return static_cast<int>(rows.size()); }
    bool Valid(int row) const { return row >= 0 && row < Count(); }
    // Past the end appends.
    void Insert(int row, CellArray* cells);
    void Erase(int row);
    void Clear();

    // Null for a row out of range or without records.
    CellArray* Cells(int row) const { return Valid(row) ? At(row).cells : nullptr; }
    void SetCells(int row, CellArray* cells);
    // Columns 1 and up; "" out of range.
    const std::string& Text(int row, int column) const;
    void SetText(int row, int column, std::string_view text);
    // Texts follow a column inserted or deleted at index.
    void InsertColumn(int column);
    void DeleteColumn(int column);

    // Changes with every row inserted or deleted, every text set and every Touch.
    std::uint64_t Revision() const { return revision; }
    // A row's records have changed.
    void Touch() { ++revision; }

  private:
    struct Row {
        CellArray* cells = nullptr;     // owned through the list's item parameter
        std::vector<std::string> texts; // column 1 first; as long as the last text set
    };
    const Row& At(int row) const { return rows[static_cast<std::size_t>(row)]; }
    Row& At(int row) { return rows[static_cast<std::size_t>(row)]; }

    std::vector<Row> rows;
    std::uint64_t revision = 0;
};
