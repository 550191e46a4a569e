// Registering tables with a host-made dialog through the library's exported interface, per
// table, at 1,000 to 1,000,000 tables; beside it the baseline: the same keys and values
// copied into a plain hash map. Target: the cost per table at 1,000,000 within 1.5 times
// the cost at 1,000.
#include "include/QvSQLBuilder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct Catalogue {
    explicit Catalogue(int n) {
        names.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            names.push_back("Table" + std::to_string(i * 7919LL % n));
        }
    }
    std::vector<std::string> names;
    std::string columns = "ID\tName\tCity\tZip Code\t";
};

const Catalogue& CatalogueOf(int n) {
    static std::unordered_map<int, std::unique_ptr<Catalogue>> made;
    auto& c = made[n];
    if (!c) {
        c = std::make_unique<Catalogue>(n);
    }
    return *c;
}

void BM_RegisterTables(benchmark::State& state) {
    const Catalogue& c = CatalogueOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<QvSQLQueryDlg> dialog(CreateSELECTSQLQueryDlg());
        for (const std::string& name : c.names) {
            dialog->SetTableAndColumns(name.c_str(), c.columns.c_str());
        }
        benchmark::DoNotOptimize(dialog.get());
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RegisterBaseline(benchmark::State& state) {
    const Catalogue& c = CatalogueOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto map = std::make_unique<std::unordered_map<std::string, std::string>>();
        for (const std::string& name : c.names) {
            (*map)[name] = c.columns;
        }
        benchmark::DoNotOptimize(map.get());
        state.PauseTiming();
        map.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RegisterTables)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegisterBaseline)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond);

} // namespace
