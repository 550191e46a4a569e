#pragma once
// Rows printed as a plain text table, each column as wide as its widest cell.
#include "Database.h"

#include <ostream>

void PrintRowTable(std::ostream& out, const QueryRows& rows);
