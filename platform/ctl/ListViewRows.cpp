#include "platform/ctl/ListViewRows.h"

#include <algorithm>
#include <cctype>

namespace ctl {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

int ListViewRows::Insert(int row, ListViewRow data) {
    row = std::clamp(row, 0, Count());
    rows.insert(rows.begin() + row, std::move(data));
    return row;
}

void ListViewRows::Reserve(int count) {
    if (count > 0 && count <= maxReserved) {
        rows.reserve(static_cast<std::size_t>(count));
    }
}

const std::string& ListViewRows::Text(int row, int column) const {
    static const std::string none;
    const auto& texts = At(row).texts;
    return column >= 0 && column < static_cast<int>(texts.size())
               ? texts[static_cast<std::size_t>(column)]
               : none;
}

void ListViewRows::SetText(int row, int column, std::string text) {
    auto& texts = At(row).texts;
    if (static_cast<int>(texts.size()) <= column) {
        texts.resize(static_cast<std::size_t>(column) + 1);
    }
    texts[static_cast<std::size_t>(column)] = std::move(text);
}

void ListViewRows::InsertColumn(int column) {
    for (auto& row : rows) {
        if (static_cast<int>(row.texts.size()) > column) {
            row.texts.insert(row.texts.begin() + column, std::string());
        }
    }
}

void ListViewRows::DeleteColumn(int column) {
    for (auto& row : rows) {
        if (static_cast<int>(row.texts.size()) > column) {
            row.texts.erase(row.texts.begin() + column);
        }
    }
}

int ListViewRows::Next(int start, UINT state) const {
    for (int row = std::max(start + 1, 0); row < Count(); ++row) {
        if ((At(row).state & state) == state) {
            return row;
        }
    }
    return -1;
}

int ListViewRows::FindPrefix(int start, const std::string& prefix) const {
    for (int i = 0; i < Count(); ++i) {
        const int row = (std::max(start, 0) + i) % Count();
        if (StartsWith(Text(row, 0), prefix)) {
            return row;
        }
    }
    return -1;
}

} // namespace ctl
