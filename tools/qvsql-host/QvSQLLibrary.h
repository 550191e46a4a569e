#pragma once
// libQvSQLBuilder.so loaded at run time, as a host application loads it.
#include "include/QvSQLBuilder.h"

#include <string>
#include <vector>

class QvSQLLibrary {
  public:
    // The first of the candidates (paths or names for dlopen) that loads and has every export.
    explicit QvSQLLibrary(const std::vector<std::string>& candidates);
    ~QvSQLLibrary();
    QvSQLLibrary(const QvSQLLibrary&) = delete;
    QvSQLLibrary& operator=(const QvSQLLibrary&) = delete;

    bool Loaded() const { return handle != nullptr; }
    const std::string& Error() const { return error; }
    void Close();

    decltype(&CreateSELECTSQLQueryDlg) create = nullptr;
    decltype(&SetGroupingChars) setGroupingChars = nullptr;
    decltype(&SetLanguage) setLanguage = nullptr;
    decltype(&SetTableAndColumns) setTableAndColumns = nullptr;
    decltype(&SetShemaTable) setShemaTable = nullptr;
    decltype(&SetCurrentTable) setCurrentTable = nullptr;
    decltype(&GetTable) getTable = nullptr;
    decltype(&GetSELECTSQLQuery) getSELECTSQLQuery = nullptr;

  private:
    bool Open(const std::string& path);
    template <typename F> void Bind(F& function, const char* name);

    void* handle = nullptr;
    std::string error = "cannot find the library";
};
