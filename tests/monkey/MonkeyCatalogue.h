#pragma once
// What a host registers before a dialog opens: tables with their column lists (now and then
// malformed), schema entries, the grouping characters and the table to open on; and the
// statements a host hands in (earlier results, plausible statements, garbage).
#include "tests/monkey/MonkeyRandom.h"

#include <map>
#include <string>
#include <vector>

class CSELECTSQLDlg;

namespace qvsql {
class ModuleSettings;
}

namespace monkey {

class MonkeyCatalogue {
  public:
    explicit MonkeyCatalogue(MonkeyRandom& dice) : random(dice) {}

    // Adds a few tables (replacing some earlier ones) and schema entries, picks the grouping
    // characters and the current table, and registers everything with dialog and settings.
    void Grow(CSELECTSQLDlg& dialog, qvsql::ModuleSettings& settings);
    // Forgets everything, for a fresh dialog object.
    void Clear();
    // A statement to hand in, given the last result (empty when there was none).
    std::string Statement(const std::string& lastResult);

    // Every registered table with its column list, as the host gave them.
    const std::map<std::string, std::string>& Tables() const { return tables; }
    // Every schema entry, table name to value.
    const std::map<std::string, std::string>& Schemas() const { return schemas; }

  private:
    std::string ColumnList();
    std::string SchemaValue();
    std::string Grouping();
    std::string CurrentTable();
    std::vector<std::string> SomeColumns();
    std::string ColumnPart();
    std::string Conditions();
    std::string SortPart();
    std::string Keyword(const char* word);

    MonkeyRandom& random;
    std::map<std::string, std::string> tables;
    std::map<std::string, std::string> schemas;
};

} // namespace monkey
