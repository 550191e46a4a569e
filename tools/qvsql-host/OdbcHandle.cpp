#include "OdbcHandle.h"

#include <utility>

OdbcHandle::OdbcHandle(SQLSMALLINT handleType, SQLHANDLE parent) : type(handleType) {
    if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &handle)))
        throw HostError(ExitStatus::CannotOpen, "the ODBC driver manager cannot make a handle");
}

OdbcHandle::~OdbcHandle() {
    if (handle != SQL_NULL_HANDLE)
        SQLFreeHandle(type, handle);
}

OdbcHandle::OdbcHandle(OdbcHandle&& other) noexcept
    : type(other.type), handle(std::exchange(other.handle, SQLHANDLE{})) {}

std::vector<OdbcDiagnostic> OdbcHandle::Diagnostics() const {
    std::vector<OdbcDiagnostic> records;
    for (SQLSMALLINT i = 1; i <= 20; ++i) {
        SQLCHAR state[6] = {};
        SQLCHAR message[2048] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(
                SQLGetDiagRec(type, handle, i, state, &native, message, sizeof message, &length)))
            break;
        records.push_back(
            {reinterpret_cast<const char*>(state), reinterpret_cast<const char*>(message)});
    }
    return records;
}
