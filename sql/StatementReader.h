#pragma once
// Reads a handed-in statement back into what the dialog applies to its controls.
#include "sql/GroupingChars.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qvsql {

struct ReadBackInput {
    std::string_view sqlText;
    GroupingChars grouping;
    std::span<const std::string> tableColumns;
    bool whereEnabled = true;
    bool orderByEnabled = true;
};

// One AddWhereRow call; -1 for the operator means none was recognised.
struct WhereRowCall {
    int connector = 0;
    int field = 0;
    int op = -1;
    std::string value;
};

// An ORDER BY row to check, with the index of its direction in the sort choices.
struct SortRowCheck {
    int row = 0;
    int direction = 0;
};

struct ReadBack {
    bool split = false;
    std::vector<int> checkedItems; // column list indexes in ascending order; 0 is "*"
    std::vector<WhereRowCall> whereRows;
    std::vector<SortRowCheck> sortRows; // ascending rows
};

ReadBack ReadBackStatement(const ReadBackInput& input);

// End of the field name at the start of a condition: behind a bracketed name,
// else the first blank; -1 when there is none.
int FindFieldEnd(std::string_view condition, GroupingChars grouping);

} // namespace qvsql
