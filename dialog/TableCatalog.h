#pragma once
// Reading the dialog's map of registered tables: their names, the table the dialog opens on
// and a table's columns.
#include "platform/afx/CMapStringToString.h"

#include <string>
#include <vector>

namespace tablecatalog {

// In the map's own order.
std::vector<std::string> Names(const CMapStringToString& tables);
// In the order of a sorted combo box, so that filling one only appends.
std::vector<std::string> SortedNames(const CMapStringToString& tables);
// The registered table named current; else the one the sorted combo selects for it (a name
// differing only in letter case), else the combo's first entry; "" for an empty map.
std::string OpeningTable(const CMapStringToString& tables, const std::string& current);
// Empty for a table that is not registered.
std::vector<std::string> Columns(const CMapStringToString& tables, const std::string& table);

} // namespace tablecatalog
