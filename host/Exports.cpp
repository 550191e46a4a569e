// The eight calls a host makes. Nothing thrown inside may reach the host.
#include "host/CQvSQLBuilderApp.h"
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

template <typename Call> void Guarded(Call call) {
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
    try {
        return new (std::nothrow) SelectQueryDlg;
    } catch (...) {
        return nullptr;
    }
}

void SetGroupingChars(const char* chars) {
    Guarded([&] { App().settings.SetGroupingChars(chars); });
}

void SetLanguage(int index) {
    Guarded([&] { App().settings.SetLanguage(index); });
}

void SetTableAndColumns(const char* table, const char* columns) {
    if (table && columns)
        Guarded([&] { App().selectDialog.SetTableAndColumns(table, columns); });
}

void SetShemaTable(const char* table, const char* schema) {
    if (table && schema)
        Guarded([&] { App().selectDialog.SetSchemaTable(table, schema); });
}

void SetCurrentTable(const char* table) {
    Guarded([&] { App().settings.SetCurrentTable(table); });
}

const char* GetTable(void) {
    return App().settings.GetTable();
}

int GetSELECTSQLQuery(const char* table, const char* columns, char* buffer, int size) {
    try {
        return RunSelectDialog(table, columns, buffer, size);
    } catch (...) {
        return 1;
    }
}

} // extern "C"
