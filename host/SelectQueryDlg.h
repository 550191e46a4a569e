#pragma once
// The dialog a host creates for itself: the C++ face of include/QvSQLBuilder.h over a
// CSELECTSQLDlg of its own, so the host never sees the framework's classes.
#include "dialog/CSELECTSQLDlg.h"
#include "include/QvSQLBuilder.h"

#include <memory>

class SelectQueryDlg final : public ISELECTSQLQueryDlg {
  public:
    SelectQueryDlg();
    // Deleted while a call is in progress (another thread, or from inside the dialog's own
    // run), the inner dialog is left alone rather than freed under the running call.
    ~SelectQueryDlg() override;
    SelectQueryDlg(const SelectQueryDlg&) = delete;
    SelectQueryDlg& operator=(const SelectQueryDlg&) = delete;

    std::intptr_t DoModal() override;
    const char* GetSQL() const override;
    void SetSQL(const char* sql) override;
    bool SetTableAndColumns(const char* table, const char* columns) override;
    bool SetSchemaTable(const char* table, const char* schema) override;

  private:
    std::unique_ptr<CSELECTSQLDlg> dialog;
};
