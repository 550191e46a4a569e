// A query snapshot built from the bytes into ComposeStatement.
#include "fuzz/FuzzCheck.h"
#include "sql/ChoiceLists.h"
#include "sql/StatementComposer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace {

using qvsql::fuzz::Require;

constexpr std::array<std::string_view, 5> wpClauses{"", "SELECT", "FROM", "ORDER BY", "WHERE"};

// Mostly a known text, sometimes free bytes, so both the sensible and the odd paths run.
template <std::size_t N>
std::string PickText(FuzzedDataProvider& in, const std::array<std::string_view, N>& known) {
    if (in.ConsumeIntegralInRange<int>(0, 3) == 0)
        return in.ConsumeRandomLengthString(12);
    return std::string(in.PickValueInArray(known));
}

std::string Name(FuzzedDataProvider& in) {
    return in.ConsumeRandomLengthString(16);
}

void FillWhenPrinted(FuzzedDataProvider& in, qvsql::QuerySnapshot& s) {
    for (std::size_t i = 0; i < s.wpFlags.size(); ++i) {
        s.wpFlags[i] = in.ConsumeIntegralInRange<int>(0, 5) == 0;
        s.wpValues[i] = in.ConsumeRandomLengthString(24);
    }
    s.lastWpClause = PickText(in, wpClauses);
}

void FillColumns(FuzzedDataProvider& in, qvsql::QuerySnapshot& s) {
    const int count = in.ConsumeIntegralInRange<int>(0, 12);
    for (int i = 0; i < count; ++i)
        s.columnList.push_back({i == 0 ? std::string("*") : Name(in), in.ConsumeBool()});
}

void FillWhere(FuzzedDataProvider& in, qvsql::QuerySnapshot& s) {
    s.whereEnabled = in.ConsumeBool();
    const int count = in.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < count; ++i) {
        qvsql::WhereRow row;
        row.andOr = PickText(in, qvsql::andOrChoices);
        row.field = Name(in);
        row.op = PickText(in, qvsql::operatorChoices);
        row.value = in.ConsumeRandomLengthString(16);
        s.where.push_back(std::move(row));
    }
}

void FillOrderBy(FuzzedDataProvider& in, qvsql::QuerySnapshot& s) {
    s.orderByEnabled = in.ConsumeBool();
    const int count = in.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < count; ++i)
        s.orderBy.push_back({in.ConsumeBool(), Name(in), PickText(in, qvsql::sortChoices)});
}

bool IsComposerMessage(std::string_view text) {
    return text == qvsql::errorNoColumns || text == qvsql::errorNoTable ||
           text == qvsql::errorWhere;
}

void CheckResult(const qvsql::QuerySnapshot& s, const qvsql::ComposeResult& r) {
    if (!s.ready) {
        Require(r.result && r.sqlText == s.sqlText && r.errorText == s.errorText &&
                    r.lastWpClause == s.lastWpClause,
                "composer changed something before the dialog was ready");
        return;
    }
    if (!r.result) {
        Require(IsComposerMessage(r.errorText), "failure without one of the three messages");
        Require(r.sqlText == s.sqlText, "failed composition replaced the statement");
        return;
    }
    Require(r.errorText.empty(), "success left an error message");
    Require(r.sqlText.starts_with("SELECT ") && r.sqlText.find(" FROM ") != std::string::npos,
            "composed text lacks SELECT or FROM");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    qvsql::QuerySnapshot s;
    if (in.ConsumeBool())
        s.grouping = qvsql::GroupingChars::FromString(in.ConsumeBytesAsString(2));
    s.ready = in.ConsumeIntegralInRange<int>(0, 7) != 0;
    s.sqlText = in.ConsumeRandomLengthString(32);
    s.errorText = in.ConsumeRandomLengthString(8);
    FillWhenPrinted(in, s);
    FillColumns(in, s);
    s.table = in.ConsumeBool() ? std::string("Customers") : Name(in);

    std::map<std::string, std::string> schemas;
    const int schemaCount = in.ConsumeIntegralInRange<int>(0, 3);
    for (int i = 0; i < schemaCount; ++i) {
        std::string key = in.ConsumeBool() ? s.table : Name(in);
        schemas[std::move(key)] = in.ConsumeRandomLengthString(16);
    }
    if (!schemas.empty() || in.ConsumeBool())
        s.schemaLookup = [&schemas](const std::string& table) -> const std::string* {
            const auto found = schemas.find(table);
            return found == schemas.end() ? nullptr : &found->second;
        };
    FillWhere(in, s);
    FillOrderBy(in, s);

    CheckResult(s, qvsql::ComposeStatement(s));
    return 0;
}
