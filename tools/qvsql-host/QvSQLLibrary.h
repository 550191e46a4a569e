#pragma once
// libQvSQLBuilder.so loaded at run time, as a host application loads it.
#include "include/QvSQLBuilder.h"

#include <string>

class QvSQLLibrary {
  public:
    // The first of LibraryCandidates() that loads and has every export.
    QvSQLLibrary();
    ~QvSQLLibrary();
    QvSQLLibrary(const QvSQLLibrary&) = delete;
    QvSQLLibrary& operator=(const QvSQLLibrary&) = delete;

    bool Loaded() const { return handle != nullptr; }
    const std::string& Error() const { return error; }

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
