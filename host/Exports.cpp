// The eight calls a host makes. Nothing thrown inside may reach the host, and a call made
// while another is in progress (another thread, or re-entry from a host callback) is refused.
#include "host/CQvSQLBuilderApp.h"
#include "host/CallGate.h"
#include "host/ModalRun.h"
#include "host/SelectQueryDlg.h"
#include "include/QvSQLBuilder.h"
#include "platform/sys/KernelStrings.h"

#include <cstring>
#include <new>
#include <string>

namespace {

CQvSQLBuilderApp& App() {
    return TheQvSQLBuilderApp();
}

template <typename Call> void Guarded(const char* name, Call call) {
    const qvsql::CallGate gate(name);
    if (!gate.Admitted())
        return;
    try {
        call();
    } catch (...) {
    }
}

int RunSelectDialog(const char* table, const char* columns, char* buffer, int size) {
    CSELECTSQLDlg& dialog = App().selectDialog;
    if (table && columns)
        dialog.SetTableAndColumns(table, columns);
    // Without a buffer the statement could not be handed back: the dialog is not shown.
    if (!buffer || size <= 0)
        return 1;
    // The host's buffer need not be terminated within its size.
    const std::string handedIn(buffer, strnlen(buffer, static_cast<std::size_t>(size)));
    dialog.SetSQL(handedIn.c_str());
    if (qvsql::RunLibraryModal(dialog) != IDOK)
        return 1;
    lstrcpynA(buffer, dialog.GetSQL(), size);
    return 0;
}

} // namespace

extern "C" {

QvSQLQueryDlg* CreateSELECTSQLQueryDlg(void) {
    const qvsql::CallGate gate("CreateSELECTSQLQueryDlg");
    if (!gate.Admitted())
        return nullptr;
    try {
        return new (std::nothrow) SelectQueryDlg;
    } catch (...) {
        return nullptr;
    }
}

void SetGroupingChars(const char* chars) {
    Guarded("SetGroupingChars", [&] { App().settings.SetGroupingChars(chars); });
}

void SetLanguage(int index) {
    Guarded("SetLanguage", [&] { App().settings.SetLanguage(index); });
}

void SetTableAndColumns(const char* table, const char* columns) {
    if (table && columns)
        Guarded("SetTableAndColumns",
                [&] { App().selectDialog.SetTableAndColumns(table, columns); });
}

void SetShemaTable(const char* table, const char* schema) {
    if (table && schema)
        Guarded("SetShemaTable", [&] { App().selectDialog.SetSchemaTable(table, schema); });
}

void SetCurrentTable(const char* table) {
    Guarded("SetCurrentTable", [&] { App().settings.SetCurrentTable(table); });
}

const char* GetTable(void) {
    const qvsql::CallGate gate("GetTable");
    return gate.Admitted() ? App().settings.GetTable() : "";
}

int GetSELECTSQLQuery(const char* table, const char* columns, char* buffer, int size) {
    const qvsql::CallGate gate("GetSELECTSQLQuery");
    if (!gate.Admitted())
        return 1;
    try {
        return RunSelectDialog(table, columns, buffer, size);
    } catch (...) {
        return 1;
    }
}

} // extern "C"
