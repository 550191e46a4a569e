#include "tests/support/LoadedLibrary.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

template <typename F> void Bind(void* handle, F& function, const char* name) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    if (!function) {
        throw std::runtime_error(std::string("missing export ") + name);
    }
}

} // namespace

LoadedLibrary::LoadedLibrary(const std::string& script) {
    if (script.empty()) {
        unsetenv("QVSQL_SCRIPT");
    } else {
        setenv("QVSQL_SCRIPT", script.c_str(), 1);
    }
    handle = dlopen(QVSQL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        throw std::runtime_error(dlerror());
    }
    Bind(handle, create, "CreateSELECTSQLQueryDlg");
    Bind(handle, setGroupingChars, "SetGroupingChars");
    Bind(handle, setLanguage, "SetLanguage");
    Bind(handle, setTableAndColumns, "SetTableAndColumns");
    Bind(handle, setShemaTable, "SetShemaTable");
    Bind(handle, setCurrentTable, "SetCurrentTable");
    Bind(handle, getTable, "GetTable");
    Bind(handle, getSELECTSQLQuery, "GetSELECTSQLQuery");
}

LoadedLibrary::~LoadedLibrary() {
    Unload();
}

void LoadedLibrary::Unload() {
    if (handle) {
        dlclose(handle);
    }
    handle = nullptr;
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
