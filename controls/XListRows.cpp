#include "controls/XListRows.h"

#include <algorithm>

void XListRows::Insert(int row, CellArray* cells) {
    row = std::clamp(row, 0, Count());
    rows.insert(rows.begin() + row, Row{cells, {}});
    ++revision;
}

void XListRows::Erase(int row) {
    if (Valid(row)) {
        rows.erase(rows.begin() + row);
        ++revision;
    }
}

void XListRows::Clear() {
    rows.clear();
    rows.shrink_to_fit();
    ++revision;
}

void XListRows::SetCells(int row, CellArray* cells) {
    if (Valid(row)) {
        At(row).cells = cells;
    }
}

const std::string& XListRows::Text(int row, int column) const {
    static const std::string none;
    if (!Valid(row) || column < 1) {
        return none;
    }
    const auto& texts = At(row).texts;
    const auto index = static_cast<std::size_t>(column - 1);
    return index < texts.size() ? texts[index] : none;
}

// Empty texts at the end are not stored: most cells of a large grid stay empty.
void XListRows::SetText(int row, int column, std::string_view text) {
    if (!Valid(row) || column < 1) {
        return;
    }
    auto& texts = At(row).texts;
    const auto index = static_cast<std::size_t>(column - 1);
    if (index >= texts.size()) {
        if (text.empty()) {
            return;
        }
        texts.resize(index + 1);
    }
    texts[index].assign(text);
    while (!texts.empty() && texts.back().empty()) {
        texts.pop_back();
    }
    ++revision;
}

void XListRows::InsertColumn(int column) {
    const auto index = static_cast<std::size_t>(std::max(column - 1, 0));
    for (Row& row : rows) {
        if (row.texts.size() > index) {
            row.texts.insert(row.texts.begin() + static_cast<std::ptrdiff_t>(index), std::string());
        }
    }
    ++revision;
}

void XListRows::DeleteColumn(int column) {
    if (column < 1) {
        return;
    }
    const auto index = static_cast<std::size_t>(column - 1);
    for (Row& row : rows) {
        if (row.texts.size() > index) {
            row.texts.erase(row.texts.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }
    ++revision;
}
