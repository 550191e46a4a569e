// Opening a grid's drop-down: the press on a drop-down cell until the popup is created, filled,
// laid out and painted. Target: under 2 ms.
#include "controls/CXListCtrl.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

// The class of the grid's host window.
const char* RegisterHostClass() {
    WNDCLASSA wc;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.lpszClassName = "DropDownBenchHost";
    ::RegisterClassA(&wc);
    return wc.lpszClassName;
}

void BM_OpenDropDown(benchmark::State& state) {
    auto owned = std::make_unique<backend::HeadlessBackend>();
    backend::HeadlessBackend& display = *owned;
    win::SetBackend(std::move(owned));
    ctl::RegisterBuiltinControls();
    {
        CWnd host;
        host.CreateEx(0, RegisterHostClass(), "", WS_POPUP | WS_VISIBLE, CRect(50, 40, 450, 340),
                      nullptr, 0);
        CXListCtrl grid;
        grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                    CRect(10, 10, 370, 250), &host, 1008);
        for (int column = 0; column < 3; ++column) {
            grid.InsertColumn(column, "C", LVCFMT_LEFT, 100);
        }
        std::vector<std::string> choices;
        for (int i = 0; i < 40; ++i) {
            choices.push_back("Choice " + std::to_string(i));
        }
        grid.InsertItem(0, "r0");
        grid.SetDropDown(0, 1, TRUE, &choices, 10, 5);
        grid.SetCurSel(0);
        display.Pump();
        CRect cell;
        grid.GetCellRect(0, 1, LVIR_BOUNDS, cell);
        POINT p = cell.CenterPoint();
        ::ClientToScreen(grid.m_hWnd, &p);

        std::int64_t opened = 0;
        for (auto _ : state) {
            display.MoveMouse(p.x, p.y);
            display.ButtonDown();
            display.Pump();
            state.PauseTiming();
            opened += win::TopLevelWindows().size() > 1 ? 1 : 0;
            display.ButtonUp();
            display.Key(VK_ESCAPE);
            display.AdvanceClock(600); // closed, and the next press is no double click
            state.ResumeTiming();
        }
        // 1 when every press opened its drop-down.
        state.counters["opened"] =
            static_cast<double>(opened) /
            static_cast<double>(std::max<std::int64_t>(1, state.iterations()));
        grid.DestroyWindow();
        host.DestroyWindow();
        display.Pump();
    }
    win::SetBackend(nullptr);
}
BENCHMARK(BM_OpenDropDown)->Unit(benchmark::kMicrosecond);

} // namespace
