#include "HostError.h"
#include "OdbcDatabase.h"

// Built without unixODBC's development files.
std::unique_ptr<Database> OpenOdbc(const std::string&, const OdbcTimeouts&) {
    throw HostError(ExitStatus::CannotOpen, "this qvsql-host was built without ODBC");
}
