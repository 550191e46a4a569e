#pragma once
// libQvSQLBuilder.so loaded with dlopen as a host loads it; unloaded by the destructor.
#include "include/QvSQLBuilder.h"

#include <string>

class LoadedLibrary {
  public:
    // Sets QVSQL_SCRIPT to script (unset when empty) before loading: the library reads it
    // at its first modal run.
    explicit LoadedLibrary(const std::string& script = {});
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    // Whether the library is still mapped after an unload.
    static bool StillMapped();
    void Unload();

    decltype(&CreateSELECTSQLQueryDlg) create = nullptr;
    decltype(&SetGroupingChars) setGroupingChars = nullptr;
    decltype(&SetLanguage) setLanguage = nullptr;
    decltype(&SetTableAndColumns) setTableAndColumns = nullptr;
    decltype(&SetShemaTable) setShemaTable = nullptr;
    decltype(&SetCurrentTable) setCurrentTable = nullptr;
    decltype(&GetTable) getTable = nullptr;
    decltype(&GetSELECTSQLQuery) getSELECTSQLQuery = nullptr;

  private:
    void* handle = nullptr;
};

// A script file under the test's temporary folder.
std::string WriteScript(const std::string& name, const std::string& text);
