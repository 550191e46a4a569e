#include "host/SelectQueryDlg.h"

#include "host/ModalRun.h"

std::intptr_t SelectQueryDlg::DoModal() {
    try {
        return qvsql::RunLibraryModal(dialog);
    } catch (...) {
        return -1;
    }
}

const char* SelectQueryDlg::GetSQL() const {
    const char* sql = dialog.GetSQL();
    return sql ? sql : "";
}

void SelectQueryDlg::SetSQL(const char* sql) {
    try {
        dialog.SetSQL(sql ? sql : "");
    } catch (...) {
    }
}

bool SelectQueryDlg::SetTableAndColumns(const char* table, const char* columns) {
    try {
        return table && columns && dialog.SetTableAndColumns(table, columns) != FALSE;
    } catch (...) {
        return false;
    }
}

bool SelectQueryDlg::SetSchemaTable(const char* table, const char* schema) {
    try {
        return table && schema && dialog.SetSchemaTable(table, schema) != FALSE;
    } catch (...) {
        return false;
    }
}
