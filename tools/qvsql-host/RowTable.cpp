#include "RowTable.h"

#include <algorithm>

namespace {

// Characters as a terminal shows them: UTF-8 continuation bytes take no room.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void PrintLine(std::ostream& out, const std::vector<std::string>& cells,
               const std::vector<std::size_t>& widths) {
    std::string line;
    // Cells past the header's columns are not printed: they have no width to align to.
    for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i) {
        if (i > 0)
            line += " | ";
        line += cells[i];
        line.append(widths[i] - Width(cells[i]), ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

} // namespace

void PrintRowTable(std::ostream& out, const QueryRows& rows) {
    std::vector<std::size_t> widths;
    for (const std::string& name : rows.columns)
        widths.push_back(Width(name));
    for (const auto& row : rows.rows)
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], Width(row[i]));
    PrintLine(out, rows.columns, widths);
    std::vector<std::string> rule;
    for (std::size_t width : widths)
        rule.emplace_back(width, '-');
    PrintLine(out, rule, widths);
    for (const auto& row : rows.rows)
        PrintLine(out, row, widths);
    if (rows.more)
        out << "(more rows follow)\n";
}
