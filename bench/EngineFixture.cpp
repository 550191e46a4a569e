#include "bench/EngineFixture.h"

#include "sql/StatementComposer.h"

#include <map>
#include <memory>
#include <stdexcept>

namespace qvsql::bench {

namespace {

// Even columns carry a blank and digits and get quoted; odd ones are bare words
// that go through the reserved-word lookup and stay as they are.
std::string ColumnName(int i) {
    if (i % 2 == 0)
        return "Zip Code " + std::to_string(i);
    std::string name = "Item";
    for (int rest = i; rest > 0; rest /= 26)
        name += static_cast<char>('a' + rest % 26);
    return name;
}

} // namespace

EngineFixture::EngineFixture(int n) {
    snapshot.table = "Customers";
    snapshot.columnList.push_back({"*", false});
    for (int i = 0; i < n; ++i) {
        names.push_back(ColumnName(i));
        nameBytes += names.back().size();
        const std::string& name = names.back();
        snapshot.columnList.push_back({name, true});
        // All AND: the common case, and the one that makes a connector search run longest.
        snapshot.where.push_back(
            {"AND", name, i % 2 == 0 ? "=" : "LIKE", "'Value " + std::to_string(i) + "'"});
        snapshot.orderBy.push_back({true, name, i % 2 == 0 ? "ASC" : "DESC"});
    }
    const ComposeResult composed = ComposeStatement(snapshot);
    if (!composed.result)
        throw std::runtime_error("fixture statement did not compose: " + composed.errorText);
    statement = composed.sqlText;
}

const EngineFixture& EngineFixture::For(int n) {
    static std::map<int, std::unique_ptr<EngineFixture>> built;
    std::unique_ptr<EngineFixture>& slot = built[n];
    if (!slot)
        slot = std::make_unique<EngineFixture>(n);
    return *slot;
}

} // namespace qvsql::bench
