#pragma once
// The module handle under which the library's dialog templates and icons are found.
#include "platform/base/WinDef.h"

namespace qvsql {

inline constexpr const char* libraryModuleName = "libQvSQLBuilder.so";

// Registers the resources under the library's module the first time it is asked for.
HMODULE LibraryModule();

} // namespace qvsql
