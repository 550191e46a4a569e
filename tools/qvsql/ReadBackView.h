#pragma once
#include "sql/QuerySnapshot.h"
#include "sql/StatementReader.h"

#include <span>
#include <string>
#include <vector>

namespace qvsql::cli {

// The dialog's controls as its set-up leaves them once a read-back has been applied:
// the column list ("*" first), the WHERE cells and the ORDER BY rows in column order.
class ReadBackView {
  public:
    static ReadBackView Apply(const ReadBack& readBack, std::span<const std::string> tableColumns);

    bool split = false;
    std::vector<ColumnItem> columnList;
    std::vector<WhereRow> where;
    std::vector<OrderByRow> orderBy;

  private:
    void FillColumnList(const ReadBack& readBack, std::span<const std::string> tableColumns);
    void AddWhereRow(const WhereRowCall& call, std::span<const std::string> tableColumns);
    void FillOrderBy(const ReadBack& readBack, std::span<const std::string> tableColumns);
};

} // namespace qvsql::cli
