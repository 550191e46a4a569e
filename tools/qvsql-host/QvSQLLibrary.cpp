#include "QvSQLLibrary.h"

#include <dlfcn.h>
#include <filesystem>

namespace {

constexpr const char* LibraryFile = "libQvSQLBuilder.so";

std::filesystem::path ExecutableFolder() {
    std::error_code ignored;
    return std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
}

} // namespace

QvSQLLibrary::QvSQLLibrary() {
    const std::filesystem::path folder = ExecutableFolder();
    for (const std::filesystem::path& path :
         {folder / LibraryFile, folder / ".." / "lib" / LibraryFile,
          std::filesystem::path(QVSQL_BUILT_LIBRARY)}) {
        if (std::filesystem::exists(path) && Open(path.string()))
            return;
    }
    if (error.empty())
        error = std::string("cannot find ") + LibraryFile;
}

QvSQLLibrary::~QvSQLLibrary() {
    if (handle)
        dlclose(handle);
}

bool QvSQLLibrary::Open(const std::string& path) {
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = dlerror();
        return false;
    }
    Bind(setGroupingChars, "SetGroupingChars");
    Bind(setLanguage, "SetLanguage");
    Bind(setTableAndColumns, "SetTableAndColumns");
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
        error = std::string(LibraryFile) + " lacks " + name;
}
