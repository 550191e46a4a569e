#include "tests/support/LoadedLibrary.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

void UseScript(const std::string& script) {
    if (script.empty()) {
        unsetenv("QVSQL_SCRIPT");
    } else {
        setenv("QVSQL_SCRIPT", script.c_str(), 1);
    }
}

} // namespace

LoadedLibrary::LoadedLibrary(const std::string& script) : QvSQLLibrary({QVSQL_LIBRARY}) {
    UseScript(script);
    if (!Loaded()) {
        throw std::runtime_error(Error());
    }
}

bool LoadedLibrary::StillMapped() {
    void* again = dlopen(QVSQL_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    if (again) {
        dlclose(again);
    }
    return again != nullptr;
}

std::string WriteScript(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("qvsql-exports-" + std::to_string(getpid()) + "-" + name);
    std::ofstream(path) << text;
    return path.string();
}
