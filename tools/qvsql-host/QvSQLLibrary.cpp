#include "QvSQLLibrary.h"

#include <dlfcn.h>
#include <filesystem>

QvSQLLibrary::QvSQLLibrary(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        if (Open(candidate))
            return;
    }
}

QvSQLLibrary::~QvSQLLibrary() {
    Close();
}

void QvSQLLibrary::Close() {
    if (handle)
        dlclose(handle);
    handle = nullptr;
}

bool QvSQLLibrary::Open(const std::string& path) {
    // A path is tried only where the file is; a bare name goes to the loader's search.
    if (path.find('/') != std::string::npos && !std::filesystem::exists(path))
        return false;
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = std::string("cannot load ") + path + ": " + dlerror();
        return false;
    }
    error.clear();
    Bind(create, "CreateSELECTSQLQueryDlg");
    Bind(setGroupingChars, "SetGroupingChars");
    Bind(setLanguage, "SetLanguage");
    Bind(setTableAndColumns, "SetTableAndColumns");
    Bind(setShemaTable, "SetShemaTable");
    Bind(setCurrentTable, "SetCurrentTable");
    Bind(getTable, "GetTable");
    Bind(getSELECTSQLQuery, "GetSELECTSQLQuery");
    if (error.empty())
        return true;
    dlclose(handle);
    handle = nullptr;
    return false;
}

template <typename F> void QvSQLLibrary::Bind(F& function, const char* name) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    if (!function)
        error = std::string("the library lacks ") + name;
}
