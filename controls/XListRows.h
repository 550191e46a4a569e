#pragma once
// What the grid keeps of its rows beside its list, so that reading a cell asks the list
// nothing: each row's records and the texts of columns 1 and up, which only the grid draws
// and reads. The list keeps column 0, which its label editor and type-ahead use.
// A row's records are shared with every row of the same values (XListCellShapes) until one
// of them is handed out for writing; then the row keeps its own copy for good.
#include "controls/XListCellData.h"
#include "controls/XListCellShapes.h"
#include "controls/XListRowTexts.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class XListRows {
  public:
    using CellArray = std::vector<XListCellData>;

    int Count() const { return static_cast<int>(rows.size()); }
    bool Valid(int row) const { return row >= 0 && row < Count(); }
    // Past the end appends. records null: a row without records; otherwise the row's records
    // start with these values.
    void Insert(int row, const CellArray* records);
    void Erase(int row);
    void Clear();
    // Room for count rows; a hint, ignored past maxReserved or below 0.
    void Reserve(int count);
    static constexpr int maxReserved = 1 << 24;

    bool HasRecords(int row) const { return Valid(row) && At(row).HasRecords(); }
    // Null for a row out of range or without records, or a column past its records.
    // For writing: the row takes its own copy first. The record stays where it is until
    // its row goes.
    XListCellData* Writable(int row, int column);
    // For reading: valid until the next call on this object.
    const XListCellData* Readable(int row, int column) const;
    // Changes one record; false where Writable gives null.
    bool Change(int row, int column, const std::function<void(XListCellData&)>& change);
    bool SetTooltip(int row, int column, std::string_view text);

    // Columns 1 and up; "" out of range. Valid until the row's texts change.
    std::string_view Text(int row, int column) const;
    void SetText(int row, int column, std::string_view text);
    // Texts follow a column inserted or deleted at index.
    void InsertColumn(int column);
    void DeleteColumn(int column);

    // Changes with every row inserted or deleted, every text set and every Touch.
    std::uint64_t Revision() const { return revision; }
    // A row's records have changed.
    void Touch() { ++revision; }

  private:
    static constexpr std::uint32_t noShape = UINT32_MAX;

    struct Row {
        std::unique_ptr<CellArray> own; // the row's own records, once handed out for writing
        std::uint32_t shape = noShape;  // the shared records otherwise
        int tooltipColumn = -1;         // the one tooltip a row with shared records has
        XListRowTexts strings;          // that tooltip first, then the texts of columns 1 and up

        bool HasRecords() const { return own || shape != noShape; }
    };
    const Row& At(int row) const { return rows[static_cast<std::size_t>(row)]; }
    Row& At(int row) { return rows[static_cast<std::size_t>(row)]; }
    bool HasRecord(int row, int column) const;
    void MakeOwn(Row& row);

    std::vector<Row> rows;
    XListCellShapes shapes;
    std::uint32_t lastInserted = noShape;
    mutable XListCellData readCopy; // a shared record with its row's tooltip
    std::uint64_t revision = 0;
};
