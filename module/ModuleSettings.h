#pragma once
// The module-wide settings the host sets through the exports: the table the dialog opens
// on, the identifier quoting characters and the interface language.
#include <string>
#include <string_view>

namespace qvsql {

class ModuleSettings {
  public:
    ModuleSettings();

    // Null, or fewer than the two characters the quoting needs: the previous pair stays.
    void SetGroupingChars(const char* chars);
    // An index outside the language table is ignored.
    void SetLanguage(int index);
    void SetCurrentTable(const char* table);
    // Valid until currentTable next changes.
    const char* GetTable() const;
    void BuildStringFilePath();
    std::string Translate(std::string_view section, std::string_view text) const;

    std::string currentTable;
    std::string groupingChars = "[]";
    int languageIndex = 0;
    std::string stringFilePath;
};

} // namespace qvsql
