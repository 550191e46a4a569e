#include "OdbcStatement.h"

#include <cstring>

namespace {

SQLCHAR* Chars(const char* text) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text));
}

SQLSMALLINT Length(const char* text) {
    return text ? SQL_NTS : 0;
}

} // namespace

OdbcStatement::OdbcStatement(const OdbcHandle& connection, std::chrono::seconds timeout)
    : stmt(SQL_HANDLE_STMT, connection.Get()) {
    const auto seconds = static_cast<SQLULEN>(timeout.count());
    SQLSetStmtAttr(stmt.Get(), SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(seconds), 0);
}

void OdbcStatement::Tables(const char* schemaPattern, const char* types) {
    catalogue = true;
    Check(SQLTables(stmt.Get(), nullptr, 0, Chars(schemaPattern), Length(schemaPattern), Chars("%"),
                    SQL_NTS, Chars(types), SQL_NTS));
}

void OdbcStatement::Columns(const char* schemaPattern) {
    catalogue = true;
    Check(SQLColumns(stmt.Get(), nullptr, 0, Chars(schemaPattern), Length(schemaPattern),
                     Chars("%"), SQL_NTS, Chars("%"), SQL_NTS));
}

void OdbcStatement::Execute(const std::string& sql) {
    catalogue = false;
    Check(SQLExecDirect(stmt.Get(), Chars(sql.c_str()), SQL_NTS));
}

void OdbcStatement::Check(SQLRETURN rc) {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)
        return;
    const auto records = stmt.Diagnostics();
    ExitStatus status = ClassifyStatementFailure(records);
    std::string what = "the statement failed: ";
    if (status == ExitStatus::TimedOut)
        what = "the statement ran past its time-out: ";
    else if (status == ExitStatus::ConnectionLost)
        what = "the connection was lost: ";
    else if (catalogue) {
        status = ExitStatus::CannotOpen;
        what = "cannot read the catalogue: ";
    }
    throw HostError(status, what + FlattenDiagnostics(records));
}

std::vector<std::string> OdbcStatement::ColumnNames() {
    SQLSMALLINT count = 0;
    Check(SQLNumResultCols(stmt.Get(), &count));
    std::vector<std::string> names;
    for (SQLUSMALLINT i = 1; i <= count; ++i) {
        SQLCHAR name[512] = {};
        SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        Check(SQLDescribeCol(stmt.Get(), i, name, sizeof name, &length, &type, &size, &digits,
                             &nullable));
        names.emplace_back(reinterpret_cast<const char*>(name));
    }
    return names;
}

bool OdbcStatement::Fetch() {
    const SQLRETURN rc = SQLFetch(stmt.Get());
    Check(rc);
    return rc != SQL_NO_DATA;
}

// Long values arrive in pieces: each call fills the buffer and says what is left.
std::optional<std::string> OdbcStatement::Text(SQLUSMALLINT column) {
    std::string value;
    char piece[1024];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc =
            SQLGetData(stmt.Get(), column, SQL_C_CHAR, piece, sizeof piece, &indicator);
        if (rc == SQL_NO_DATA)
            return value;
        Check(rc);
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        const bool cut = rc == SQL_SUCCESS_WITH_INFO &&
                         (indicator == SQL_NO_TOTAL || indicator >= SQLLEN{sizeof piece});
        value.append(piece, cut ? sizeof piece - 1 : ::strnlen(piece, sizeof piece));
        if (!cut)
            return value;
    }
}
