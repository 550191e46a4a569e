#pragma once
// libQvSQLBuilder.so of this build, loaded with dlopen by the demo host's own loader as a host
// loads it; unloaded by the destructor.
#include "tools/qvsql-host/QvSQLLibrary.h"

#include <string>

class LoadedLibrary : public QvSQLLibrary {
  public:
    // Sets QVSQL_SCRIPT to script (unset when empty): the library reads it at its first modal
    // run. Throws when the library cannot be loaded or lacks an export.
    explicit LoadedLibrary(const std::string& script = {});

    // Whether the library is still mapped after an unload.
    static bool StillMapped();
    void Unload() { Close(); }
};

// A script file under the test's temporary folder.
std::string WriteScript(const std::string& name, const std::string& text);
