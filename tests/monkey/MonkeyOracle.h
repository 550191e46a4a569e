#pragma once
// The statement the query builder's controls stand for, read from the controls themselves
// (not from the dialog's own snapshot) and composed by the statement engine: what the
// preview must show after a composition.
#include "sql/QuerySnapshot.h"
#include "sql/StatementComposer.h"

#include <map>
#include <string>

class CSELECTSQLDlg;

namespace qvsql {
class ModuleSettings;
}

namespace monkey {

class MonkeyOracle {
  public:
    MonkeyOracle(const CSELECTSQLDlg& watched, const qvsql::ModuleSettings& module,
                 const std::map<std::string, std::string>& schemaEntries)
        : dialog(watched), settings(module), schemas(schemaEntries) {}

    // Composes what the controls hold now, with the When Printed clause that was pending.
    qvsql::ComposeResult Compose(const std::string& lastWpClause) const;

  private:
    qvsql::QuerySnapshot Observe(const std::string& lastWpClause) const;

    const CSELECTSQLDlg& dialog;
    const qvsql::ModuleSettings& settings;
    const std::map<std::string, std::string>& schemas;
};

} // namespace monkey
