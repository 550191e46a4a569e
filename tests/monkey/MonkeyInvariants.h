#pragma once
// What must hold after every event the monkey plays into the query builder.
#include <string>

class CSELECTSQLDlg;

namespace monkey {

class MonkeyInvariants {
  public:
    explicit MonkeyInvariants(const CSELECTSQLDlg& watched) : dialog(watched) {}

    // The dialog's window has just been made, with this statement handed in.
    void Opened(const std::string& handedIn);
    // "" when everything holds, else what broke.
    std::string Check();

  private:
    std::string CheckColumnList() const;
    std::string CheckOrderBy() const;
    std::string CheckWhere() const;
    std::string CheckPreview();

    const CSELECTSQLDlg& dialog;
    std::string lastStatement;
    std::string lastWpClause;
};

} // namespace monkey
