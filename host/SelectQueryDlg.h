#pragma once
// The dialog a host creates for itself: the C++ face of include/QvSQLBuilder.h over a
// CSELECTSQLDlg of its own, so the host never sees the framework's classes.
#include "dialog/CSELECTSQLDlg.h"
#include "include/QvSQLBuilder.h"

class SelectQueryDlg final : public ISELECTSQLQueryDlg {
  public:
    std::intptr_t DoModal() override;
    const char* GetSQL() const override;
    void SetSQL(const char* sql) override;
    bool SetTableAndColumns(const char* table, const char* columns) override;
    bool SetSchemaTable(const char* table, const char* schema) override;

  private:
    CSELECTSQLDlg dialog;
};
