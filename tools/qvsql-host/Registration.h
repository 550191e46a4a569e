#pragma once
// What the demo host registers with the query builder for a catalogue: one entry per table,
// named as the table list shows it, and one line for each thing it left out.
//
// A table in a schema is offered as SCHEMA.TABLE and registered with the schema value
// SCHEMA, tab, TABLE, so the statement names it schema-qualified and in its exact spelling; a
// table of a database without schemas is offered under its own name. Names holding a control
// character (a tab would break the tab-separated column list) are left out and reported.
#include "Database.h"

#include <optional>
#include <string>
#include <vector>

struct Registration {
    std::string name;                       // as the table list shows it
    std::string columns;                    // each column name followed by a tab
    std::optional<std::string> schemaValue; // schema, tab, table
};

struct RegistrationOptions {
    bool whenPrinted = true;   // "{WHEN PRINTED}" ends every column list and is a table
    std::size_t maxTables = 0; // 0: no limit
    std::string keepTable;     // offered even past the limit
};

struct RegistrationPlan {
    std::vector<Registration> tables; // catalogue order; "{WHEN PRINTED}" last
    std::size_t catalogueTables = 0;  // tables of the catalogue among them
    std::vector<std::string> notes;   // one line each
};

RegistrationPlan PlanRegistration(const std::vector<CatalogueTable>& catalogue,
                                  const RegistrationOptions& options);

// The name a table is offered under.
std::string OfferedName(const CatalogueTable& table);

// A name as a one-line message shows it: control characters as \t, \n or \xNN.
std::string VisibleName(const std::string& name);
