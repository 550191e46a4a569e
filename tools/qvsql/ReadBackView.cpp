#include "tools/qvsql/ReadBackView.h"

#include "sql/ChoiceLists.h"

namespace qvsql::cli {
namespace {

// A drop-down cell shows its initial choice; one outside the choices falls back to 0.
template <typename Choices> std::string ChoiceText(const Choices& choices, long long index) {
    if (index < 0 || static_cast<std::size_t>(index) >= choices.size()) {
        index = 0;
    }
    return std::string(choices[static_cast<std::size_t>(index)]);
}

} // namespace

ReadBackView ReadBackView::Apply(const ReadBack& readBack,
                                 std::span<const std::string> tableColumns) {
    ReadBackView view;
    view.split = readBack.split;
    view.FillColumnList(readBack, tableColumns);
    for (const WhereRowCall& call : readBack.whereRows) {
        view.AddWhereRow(call, tableColumns);
    }
    view.FillOrderBy(readBack, tableColumns);
    return view;
}

void ReadBackView::FillColumnList(const ReadBack& readBack,
                                  std::span<const std::string> tableColumns) {
    columnList.push_back({"*", false});
    for (const std::string& name : tableColumns) {
        columnList.push_back({name, false});
    }
    for (int index : readBack.checkedItems) {
        if (index >= 0 && static_cast<std::size_t>(index) < columnList.size()) {
            columnList[static_cast<std::size_t>(index)].checked = true;
        }
    }
}

// Negative indexes are the defaults of a new row: connector "AND", the field
// that cycles with the row number, operator "=". The first row has no connector.
void ReadBackView::AddWhereRow(const WhereRowCall& call,
                               std::span<const std::string> tableColumns) {
    if (tableColumns.empty()) {
        return;
    }
    const long long row = static_cast<long long>(where.size());
    const long long columns = static_cast<long long>(tableColumns.size());
    WhereRow cells;
    cells.value = call.value;
    if (row > 0) {
        cells.andOr = ChoiceText(andOrChoices, call.connector >= 0 ? call.connector : 1);
    }
    cells.field = ChoiceText(tableColumns, call.field >= 0 ? call.field : row % columns);
    cells.op = ChoiceText(operatorChoices, call.op >= 0 ? call.op : 0);
    where.push_back(std::move(cells));
}

// A checked row's direction cell is a drop-down that shows nothing until the
// read-back writes "ASC" or "DESC" into it.
void ReadBackView::FillOrderBy(const ReadBack& readBack,
                               std::span<const std::string> tableColumns) {
    for (const std::string& name : tableColumns) {
        orderBy.push_back({false, name, ""});
    }
    for (const SortRowCheck& check : readBack.sortRows) {
        if (check.row < 0 || static_cast<std::size_t>(check.row) >= orderBy.size()) {
            continue;
        }
        OrderByRow& row = orderBy[static_cast<std::size_t>(check.row)];
        row.checked = true;
        if (check.direction > 0 && static_cast<std::size_t>(check.direction) < sortChoices.size()) {
            row.direction = std::string(sortChoices[static_cast<std::size_t>(check.direction)]);
        }
    }
}

} // namespace qvsql::cli
