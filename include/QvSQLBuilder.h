/* QvSQLBuilder: the query builder a host loads to let its user compose one SQL SELECT
 * statement. Link with pkg-config (QvSQLBuilder) or CMake (find_package(QvSQLBuilder),
 * target QvSQLBuilder::QvSQLBuilder); the library is libQvSQLBuilder.so.MAJOR.
 *
 * Strings are UTF-8, in and out (names, statements, the language string files); sizes and
 * lengths count bytes. Every call runs on the host's user-interface thread.
 *
 * GetSELECTSQLQuery and DoModal block: they return when the dialog closes. Meanwhile the
 * dialog's modal loop runs on the calling thread and, when the host has loaded GLib, also
 * dispatches the thread's default GLib main context, so GTK (and Qt on GLib) timers and
 * windows of the host keep running.
 *
 * Names are quoted by one rule: a table, column or field name is wrapped in the grouping
 * characters when it holds a blank, $, ', #, ., or a digit, or is a reserved SQL word (any
 * case); a table with a schema value is always written as both names wrapped, [schema].[table].
 *
 * The interface texts come from the language string file beside the host's executable
 * (english.str, french.str, ...; see SetLanguage); without one the dialog stays in English.
 *
 * One call at a time: a call made while another is in progress (from another thread, or
 * from a host callback run while a dialog is open, such as a GLib or Qt timer) is refused
 * before it touches anything, with one line on standard error: GetSELECTSQLQuery answers 1,
 * DoModal -1, GetTable "", CreateSELECTSQLQueryDlg null, the setters do nothing.
 *
 * The dialog shows on the X display named by DISPLAY (QVSQL_BACKEND=x11|headless chooses);
 * when none can be used, or the X server goes away while the dialog is open, one line on
 * standard error says so and the call answers as Cancel (DoModal -1 when not shown). The
 * host's Xlib error handlers are left as they were.
 *
 * QVSQL_SCRIPT=FILE (any build) plays the script FILE into the dialogs instead of a display,
 * so a host can test its own use of the dialog (docs/scripting.md). A script that fails
 * prints one line and cancels the dialog; QVSQL_SCRIPT_FAILURE_FD=N also writes that line to
 * the host's descriptor N. */
#ifndef QVSQLBUILDER_H
#define QVSQLBUILDER_H

/* The version of this header and of the library it comes with: libQvSQLBuilder.so.MAJOR is
 * libQvSQLBuilder.so.MAJOR.MINOR.PATCH; a new MAJOR changes the calls or the dialog class. */
#define QVSQLBUILDER_VERSION_MAJOR 1
#define QVSQLBUILDER_VERSION_MINOR 0
#define QVSQLBUILDER_VERSION_PATCH 0

#ifdef __cplusplus
#include <cstdint>

/* A dialog of its own for a C++ host: made by CreateSELECTSQLQueryDlg, owned and deleted by
 * the host (the destructor releases it inside the library). */
class ISELECTSQLQueryDlg {
  public:
    virtual ~ISELECTSQLQueryDlg() = default;
    /* 1 after OK, 2 after Cancel (or a display lost while open), -1 when the dialog could
     * not be shown (no display; a call refused). */
    virtual std::intptr_t DoModal() = 0;
    /* The statement; valid until the next call on this dialog. */
    virtual const char* GetSQL() const = 0;
    /* Null is taken as no statement. */
    virtual void SetSQL(const char* sql) = 0;
    /* Columns: each name followed by a tab. False when either string is null. */
    virtual bool SetTableAndColumns(const char* table, const char* columns) = 0;
    /* Value: schema name, tab, the table's name inside it. False when either is null. */
    virtual bool SetSchemaTable(const char* table, const char* schema) = 0;
};
typedef ISELECTSQLQueryDlg QvSQLQueryDlg;

extern "C" {
#else
/* Opaque to C: only a C++ host can drive or delete it. */
typedef struct QvSQLQueryDlg QvSQLQueryDlg;
#endif

/* A new, independent dialog; null when it cannot be made. */
QvSQLQueryDlg* CreateSELECTSQLQueryDlg(void);
/* Character 0 opens a quoted name, character 1 closes it; default "[]". */
void SetGroupingChars(const char* chars);
/* 0 english .. 22 other; anything else is ignored. */
void SetLanguage(int index);
/* Columns: each name followed by a tab. Ignored when either is null. */
void SetTableAndColumns(const char* table, const char* columns);
/* Value: schema name, tab, the table's name inside it. Ignored when either is null. */
void SetShemaTable(const char* table, const char* schema);
/* The table the dialog opens on. */
void SetCurrentTable(const char* table);
/* The current table (the user's choice after a dialog); valid until it next changes. */
const char* GetTable(void);
/* Shows the dialog with the buffer's statement. OK: the new statement is copied into the
 * buffer (at most size - 1 characters and a terminating zero) and the result is 0. Cancel,
 * no display, a display lost while open, a refused call, a null buffer or a size below 1:
 * 1, and the buffer is left alone. */
int GetSELECTSQLQuery(const char* table, const char* columns, char* buffer, int size);

#ifdef __cplusplus
}
#endif

#endif
