/* QvSQLBuilder: the query builder a host loads to let its user compose one SQL SELECT
 * statement. Strings are 8-bit, in the host's code page; every call runs on the host's
 * user-interface thread. */
#ifndef QVSQLBUILDER_H
#define QVSQLBUILDER_H

#ifdef __cplusplus
#include <cstdint>

/* A dialog of its own for a C++ host: made by CreateSELECTSQLQueryDlg, owned and deleted by
 * the host (the destructor releases it inside the library). */
class ISELECTSQLQueryDlg {
  public:
    virtual ~ISELECTSQLQueryDlg() = default;
    /* 1 after OK, 2 after Cancel, -1 when the dialog could not be shown. */
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
 * no display, a null buffer or a size below 1: 1, and the buffer is left alone. */
int GetSELECTSQLQuery(const char* table, const char* columns, char* buffer, int size);

#ifdef __cplusplus
}
#endif

#endif
