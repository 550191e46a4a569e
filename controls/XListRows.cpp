#include "controls/XListRows.h"

#include <algorithm>

void XListRows::Insert(int row, const CellArray* records) {
    row = std::clamp(row, 0, Count());
    Row made;
    if (records) {
        made.shape = shapes.Intern(*records, lastInserted);
        lastInserted = made.shape;
    }
    rows.insert(rows.begin() + row, std::move(made));
    ++revision;
}

void XListRows::Erase(int row) {
    if (Valid(row)) {
        rows.erase(rows.begin() + row);
        ++revision;
    }
}

void XListRows::Reserve(int count) {
    if (count > 0 && count <= maxReserved) {
        rows.reserve(static_cast<std::size_t>(count));
    }
}

// The shared arrays go with the last row.
void XListRows::Clear() {
    rows.clear();
    rows.shrink_to_fit();
    shapes.Clear();
    lastInserted = noShape;
    ++revision;
}

bool XListRows::HasRecord(int row, int column) const {
    if (!Valid(row) || column < 0) {
        return false;
    }
    const Row& kept = At(row);
    std::size_t count = 0;
    if (kept.own) {
        count = kept.own->size();
    } else if (kept.shape != noShape) {
        count = shapes.At(kept.shape).size();
    }
    return static_cast<std::size_t>(column) < count;
}

void XListRows::MakeOwn(Row& row) {
    if (row.own || row.shape == noShape) {
        return;
    }
    row.own = std::make_unique<CellArray>(shapes.At(row.shape));
    if (row.tooltipColumn >= 0) {
        (*row.own)[static_cast<std::size_t>(row.tooltipColumn)].tooltipText = row.strings.Get(0);
    }
    row.strings.Set(0, {});
    row.tooltipColumn = -1;
}

XListCellData* XListRows::Writable(int row, int column) {
    if (!HasRecord(row, column)) {
        return nullptr;
    }
    Row& kept = At(row);
    MakeOwn(kept);
    return &(*kept.own)[static_cast<std::size_t>(column)];
}

const XListCellData* XListRows::Readable(int row, int column) const {
    if (!HasRecord(row, column)) {
        return nullptr;
    }
    const Row& kept = At(row);
    const auto index = static_cast<std::size_t>(column);
    if (kept.own) {
        return &(*kept.own)[index];
    }
    const XListCellData& shared = shapes.At(kept.shape)[index];
    if (column != kept.tooltipColumn) {
        return &shared;
    }
    readCopy = shared;
    readCopy.tooltipText = kept.strings.Get(0);
    return &readCopy;
}

bool XListRows::Change(int row, int column, const std::function<void(XListCellData&)>& change) {
    if (!HasRecord(row, column)) {
        return false;
    }
    Row& kept = At(row);
    const auto index = static_cast<std::size_t>(column);
    if (kept.own) {
        change((*kept.own)[index]);
        return true;
    }
    XListCellData cell = shapes.At(kept.shape)[index];
    change(cell);
    if (!cell.tooltipText.empty()) { // not kept with the shared values
        MakeOwn(kept);
        (*kept.own)[index] = std::move(cell);
        return true;
    }
    kept.shape = shapes.WithCell(kept.shape, index, cell);
    return true;
}

// A row with shared records keeps one tooltip; a second makes it take its own records.
bool XListRows::SetTooltip(int row, int column, std::string_view text) {
    if (!HasRecord(row, column)) {
        return false;
    }
    Row& kept = At(row);
    if (!kept.own) {
        if (text.empty()) {
            if (kept.tooltipColumn == column) {
                kept.strings.Set(0, {});
                kept.tooltipColumn = -1;
            }
            return true;
        }
        if (kept.tooltipColumn < 0 || kept.tooltipColumn == column) {
            kept.strings.Set(0, text);
            kept.tooltipColumn = column;
            return true;
        }
        MakeOwn(kept);
    }
    (*kept.own)[static_cast<std::size_t>(column)].tooltipText.assign(text);
    return true;
}

std::string_view XListRows::Text(int row, int column) const {
    return Valid(row) && column >= 1 ? At(row).strings.Get(static_cast<std::size_t>(column))
                                     : std::string_view();
}

// Empty texts at the end are not stored: most cells of a large grid stay empty.
void XListRows::SetText(int row, int column, std::string_view text) {
    if (!Valid(row) || column < 1) {
        return;
    }
    XListRowTexts& strings = At(row).strings;
    const auto index = static_cast<std::size_t>(column);
    if (text.empty() && strings.Get(index).empty()) {
        return;
    }
    strings.Set(index, text);
    ++revision;
}

void XListRows::InsertColumn(int column) {
    const auto index = static_cast<std::size_t>(std::max(column, 1));
    for (Row& row : rows) {
        row.strings.Insert(index);
    }
    ++revision;
}

void XListRows::DeleteColumn(int column) {
    if (column < 1) {
        return;
    }
    for (Row& row : rows) {
        row.strings.Erase(static_cast<std::size_t>(column));
    }
    ++revision;
}
