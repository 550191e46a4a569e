#pragma once
// What the composer reads, taken from the query builder's controls and members.
#include "sql/QuerySnapshot.h"

class CSELECTSQLDlg;

namespace dialogsnapshot {

qvsql::QuerySnapshot Gather(const CSELECTSQLDlg& dialog);
// The table the combo shows; "" when none is selected.
std::string ShownTable(const CSELECTSQLDlg& dialog);

} // namespace dialogsnapshot
