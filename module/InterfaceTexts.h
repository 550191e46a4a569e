#pragma once
// The English interface texts that are translated, in one place: the dialog, its template,
// the grids and the check of the shipped string files all take them from here. Every other
// text of the library stays in English.
#include <array>
#include <string_view>

namespace qvsql::texts {

// The string file section that holds every translation of the library.
inline constexpr char section[] = "SQLBuilder";

inline constexpr char dialogTitle[] = "Orvane SQL Query Builder - SELECT SQL Query";
inline constexpr char ok[] = "OK";
inline constexpr char cancel[] = "Cancel";
inline constexpr char syntaxLabel[] = "Syntax:";
inline constexpr char previewLabel[] = "SQL statement preview";
// The messages an empty grid draws: the WHERE grid, the ORDER BY grid, any other grid.
inline constexpr char whereGridEmpty[] = "Add search condition here.";
inline constexpr char orderByGridEmpty[] = "No columns?";
inline constexpr char gridEmpty[] = "There are no items to show.";

inline constexpr std::array<std::string_view, 8> translated = {
    dialogTitle,      ok,       cancel, syntaxLabel, previewLabel, whereGridEmpty,
    orderByGridEmpty, gridEmpty};

} // namespace qvsql::texts
