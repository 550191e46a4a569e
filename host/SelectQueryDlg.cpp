#include "host/SelectQueryDlg.h"

#include "host/CQvSQLBuilderApp.h"
#include "host/CallGate.h"
#include "host/ModalRun.h"

SelectQueryDlg::SelectQueryDlg() : dialog(std::make_unique<CSELECTSQLDlg>()) {
    dialog->UseModuleSettings(&TheQvSQLBuilderApp().settings);
}

SelectQueryDlg::~SelectQueryDlg() {
    const qvsql::CallGate gate("deleting a dialog");
    if (!gate.Admitted())
        (void)dialog.release(); // still in use by the call in progress
}

std::intptr_t SelectQueryDlg::DoModal() {
    const qvsql::CallGate gate("DoModal");
    if (!gate.Admitted())
        return -1;
    try {
        return qvsql::RunLibraryModal(*dialog);
    } catch (...) {
        return -1;
    }
}

const char* SelectQueryDlg::GetSQL() const {
    const qvsql::CallGate gate("GetSQL");
    const char* sql = gate.Admitted() ? dialog->GetSQL() : nullptr;
    return sql ? sql : "";
}

void SelectQueryDlg::SetSQL(const char* sql) {
    const qvsql::CallGate gate("SetSQL");
    if (!gate.Admitted())
        return;
    try {
        dialog->SetSQL(sql ? sql : "");
    } catch (...) {
    }
}

bool SelectQueryDlg::SetTableAndColumns(const char* table, const char* columns) {
    const qvsql::CallGate gate("SetTableAndColumns");
    if (!gate.Admitted())
        return false;
    try {
        return table && columns && dialog->SetTableAndColumns(table, columns) != FALSE;
    } catch (...) {
        return false;
    }
}

bool SelectQueryDlg::SetSchemaTable(const char* table, const char* schema) {
    const qvsql::CallGate gate("SetSchemaTable");
    if (!gate.Admitted())
        return false;
    try {
        return table && schema && dialog->SetSchemaTable(table, schema) != FALSE;
    } catch (...) {
        return false;
    }
}
