#pragma once
// One ODBC handle (environment, connection or statement), freed with its owner.
#include "OdbcDiagnostics.h"

#include <sql.h>
#include <sqlext.h>

class OdbcHandle {
  public:
    // Throws HostError (CannotOpen) when the driver manager cannot allocate it.
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle();
    OdbcHandle(OdbcHandle&& other) noexcept;
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;
    OdbcHandle& operator=(OdbcHandle&&) = delete;

    SQLHANDLE Get() const { return handle; }
    // The diagnostic records of the last call on this handle.
    std::vector<OdbcDiagnostic> Diagnostics() const;

  private:
    SQLSMALLINT type;
    SQLHANDLE handle = SQL_NULL_HANDLE;
};
