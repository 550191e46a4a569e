#include "tools/qvsql/SnapshotCodec.h"

#include "tools/qvsql/JsonReader.h"

#include <map>
#include <memory>

namespace qvsql::cli {
namespace {

// Entries beyond the four clauses are ignored; missing ones keep their defaults.
void DecodeWhenPrinted(const JsonReader& in, QuerySnapshot& snapshot) {
    std::vector<bool> flags = in.Bools("wpFlags");
    std::vector<std::string> values = in.Strings("wpValues");
    for (std::size_t i = 0; i < snapshot.wpFlags.size(); ++i) {
        if (i < flags.size()) {
            snapshot.wpFlags[i] = flags[i];
        }
        if (i < values.size()) {
            snapshot.wpValues[i] = values[i];
        }
    }
}

void DecodeRows(const JsonReader& in, QuerySnapshot& snapshot) {
    for (const JsonReader& item : in.Objects("columnList")) {
        snapshot.columnList.push_back({item.String("text"), item.Bool("checked", false)});
    }
    for (const JsonReader& row : in.Objects("where")) {
        snapshot.where.push_back({row.String("andOr"), row.String("field"), row.String("operator"),
                                  row.String("value")});
    }
    for (const JsonReader& row : in.Objects("orderBy")) {
        snapshot.orderBy.push_back(
            {row.Bool("checked", false), row.String("field"), row.String("direction")});
    }
}

SchemaLookup DecodeSchemaMap(const JsonReader& in) {
    auto entries = in.StringMap("schemaMap");
    if (entries.empty()) {
        return {};
    }
    auto map =
        std::make_shared<const std::map<std::string, std::string>>(entries.begin(), entries.end());
    return [map](const std::string& table) -> const std::string* {
        auto it = map->find(table);
        return it == map->end() ? nullptr : &it->second;
    };
}

} // namespace

QuerySnapshot SnapshotCodec::Decode(const Json& object) {
    JsonReader in(object, "");
    QuerySnapshot snapshot;
    snapshot.grouping = GroupingChars::FromString(in.String("groupingChars", "[]"));
    snapshot.ready = in.Bool("ready", true);
    snapshot.sqlText = in.String("sqlText");
    snapshot.errorText = in.String("errorText");
    DecodeWhenPrinted(in, snapshot);
    snapshot.lastWpClause = in.String("lastWpClause");
    snapshot.table = in.String("table");
    snapshot.schemaLookup = DecodeSchemaMap(in);
    snapshot.whereEnabled = in.Bool("whereEnabled", true);
    snapshot.orderByEnabled = in.Bool("orderByEnabled", true);
    DecodeRows(in, snapshot);
    return snapshot;
}

Json SnapshotCodec::Encode(const ComposeResult& result) {
    return Json{{"result", result.result},
                {"sqlText", result.sqlText},
                {"errorText", result.errorText},
                {"lastWpClause", result.lastWpClause}};
}

} // namespace qvsql::cli
