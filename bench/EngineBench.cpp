// Engine speed at n columns, n WHERE conditions and n sort rows, each beside a
// baseline that only copies as many bytes. Per-item cost should not grow with n.
#include "bench/EngineFixture.h"

#include "sql/IdentifierQuoter.h"
#include "sql/StatementComposer.h"
#include "sql/StatementReader.h"
#include "sql/StatementSplitter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using qvsql::bench::EngineFixture;

const EngineFixture& Fixture(const benchmark::State& state) {
    return EngineFixture::For(static_cast<int>(state.range(0)));
}

void Report(benchmark::State& state, std::size_t bytes) {
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

void CopyBytes(benchmark::State& state, std::size_t size) {
    const std::vector<char> source(size, 'x');
    std::vector<char> target(size);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), size);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    Report(state, size);
}

void BM_QuoteIdentifier(benchmark::State& state) {
    const EngineFixture& fixture = Fixture(state);
    for (auto _ : state)
        for (const std::string& name : fixture.Names())
            benchmark::DoNotOptimize(qvsql::QuoteIdentifier(name, {}));
    Report(state, fixture.NameBytes());
}

void BM_QuoteIdentifierCopy(benchmark::State& state) {
    CopyBytes(state, Fixture(state).NameBytes());
}

void BM_ComposeStatement(benchmark::State& state) {
    const EngineFixture& fixture = Fixture(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(qvsql::ComposeStatement(fixture.Snapshot()));
    Report(state, fixture.Statement().size());
}

void BM_SplitStatement(benchmark::State& state) {
    const EngineFixture& fixture = Fixture(state);
    qvsql::StatementPieces pieces;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qvsql::SplitStatement(fixture.Statement(), {}, pieces));
        benchmark::ClobberMemory();
    }
    if (pieces.conditions.size() != fixture.Names().size())
        state.SkipWithError("split lost conditions");
    Report(state, fixture.Statement().size());
}

void BM_ReadBackStatement(benchmark::State& state) {
    const EngineFixture& fixture = Fixture(state);
    const qvsql::ReadBackInput input{fixture.Statement(), {}, fixture.Names()};
    for (auto _ : state)
        benchmark::DoNotOptimize(qvsql::ReadBackStatement(input));
    Report(state, fixture.Statement().size());
}

void BM_StatementCopy(benchmark::State& state) {
    CopyBytes(state, Fixture(state).Statement().size());
}

// The same bytes copied item by item into strings of their own: what any engine that
// hands its pieces back as strings pays before it does any work.
void BM_StatementItemsCopy(benchmark::State& state) {
    const EngineFixture& fixture = Fixture(state);
    const qvsql::QuerySnapshot& s = fixture.Snapshot();
    std::vector<std::string_view> items;
    for (const qvsql::ColumnItem& item : s.columnList)
        items.push_back(item.text);
    for (const qvsql::WhereRow& row : s.where)
        items.insert(items.end(), {row.andOr, row.field, row.op, row.value});
    for (const qvsql::OrderByRow& row : s.orderBy)
        items.insert(items.end(), {row.field, row.direction});
    std::vector<std::string> copies;
    for (auto _ : state) {
        copies.clear();
        for (std::string_view item : items)
            copies.emplace_back(item);
        benchmark::DoNotOptimize(copies.data());
        benchmark::ClobberMemory();
    }
    Report(state, fixture.Statement().size());
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(BM_QuoteIdentifier)->Apply(Sizes);
BENCHMARK(BM_QuoteIdentifierCopy)->Apply(Sizes);
BENCHMARK(BM_ComposeStatement)->Apply(Sizes);
BENCHMARK(BM_SplitStatement)->Apply(Sizes);
BENCHMARK(BM_ReadBackStatement)->Apply(Sizes);
BENCHMARK(BM_StatementCopy)->Apply(Sizes);
BENCHMARK(BM_StatementItemsCopy)->Apply(Sizes);
