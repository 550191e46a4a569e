#pragma once
// What the composer reads, taken from the query builder's controls and members.
#include "sql/QuerySnapshot.h"

#include <cstdint>
#include <string>
#include <vector>

class CExCheckListBox;
class CSELECTSQLDlg;

namespace dialogsnapshot {

// Keeps the snapshot between compositions, so that a click costs no message per item: the
// ORDER BY rows are taken again only when the grid has changed since (it counts its check
// states as changes); the column check states, the WHERE rows and the rest are read every
// time. Of the columns and the ORDER BY rows only what the composer reads is taken: the "*"
// item and what is checked.
class Keeper {
  public:
    const qvsql::QuerySnapshot& Gather(const CSELECTSQLDlg& dialog);
    // The column list has just been filled with "*" and names, in this order. names stays
    // as it is while the list does not change.
    void ColumnsFilled(const CExCheckListBox& list, const std::vector<std::string>& names);

  private:
    void TakeColumns(const CExCheckListBox& list);
    void TakeOrderBy(const CSELECTSQLDlg& dialog);

    qvsql::QuerySnapshot snapshot;
    const std::vector<std::string>* filledNames = nullptr;
    std::uint64_t columnsRevision = UINT64_MAX;
    std::uint64_t orderByRevision = UINT64_MAX;
};

// The table the combo shows; "" when none is selected.
std::string ShownTable(const CSELECTSQLDlg& dialog);

} // namespace dialogsnapshot
