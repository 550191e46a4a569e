// The grid's cost with many rows: a full paint of 10,000 rows should stay within 1.5x that of
// 20 rows (only the rows in view are drawn), and inserting 10,000 rows under 50 ms.
#include "controls/CXListCtrl.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A headless display with a popup holding one four-column grid.
class GridBed {
  public:
    GridBed() {
        auto owned = std::make_unique<backend::HeadlessBackend>();
        display = owned.get();
        win::SetBackend(std::move(owned));
        ctl::RegisterBuiltinControls();
        WNDCLASSA wc{};
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.lpszClassName = "GridBenchHost";
        ::RegisterClassA(&wc);
        host.CreateEx(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, CRect(50, 40, 450, 340),
                      nullptr, 0);
        grid = std::make_unique<CXListCtrl>();
        grid->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                     CRect(10, 10, 370, 250), &host, 1008);
        grid->SetExtendedStyle(LVS_EX_FULLROWSELECT);
        for (int column = 0; column < 4; ++column) {
            grid->InsertColumn(column, "C", LVCFMT_LEFT, 85);
        }
    }
    ~GridBed() {
        grid->DestroyWindow();
        grid.reset();
        host.DestroyWindow();
        display->Pump();
        win::SetBackend(nullptr);
    }
    GridBed(const GridBed&) = delete;
    GridBed& operator=(const GridBed&) = delete;

    // Rows like the query builder's: text, a check box and a drop-down cell each.
    void Fill(int rows) {
        for (int row = 0; row < rows; ++row) {
            grid->InsertItem(row, ("Row " + std::to_string(row)).c_str());
            grid->SetItemText(row, 1, "Column name");
            grid->SetCheckState(row, 2, row % 2);
            grid->SetDropDown(row, 3, TRUE, &choices, 4, row % 3);
        }
        grid->SetCurSel(0);
        display->Pump();
    }

    backend::HeadlessBackend* display = nullptr;
    CWnd host;
    std::unique_ptr<CXListCtrl> grid;
    const std::vector<std::string> choices{"   ", "ASC", "DESC"};
};

void BM_PaintGrid(benchmark::State& state) {
    GridBed bed;
    bed.Fill(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bed.grid->Invalidate();
        bed.grid->UpdateWindow();
    }
}
BENCHMARK(BM_PaintGrid)->Arg(20)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_InsertRows(benchmark::State& state) {
    GridBed bed;
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int row = 0; row < rows; ++row) {
            bed.grid->InsertItem(row, "Row");
        }
        state.PauseTiming();
        bed.grid->DeleteAllItems();
        bed.display->Pump();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertRows)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
