// Full repaint of the gallery dialog of built-in controls on the headless backend.
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/GalleryTemplate.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_GalleryFullRepaint(benchmark::State& state) {
    auto made = std::make_unique<backend::HeadlessBackend>();
    backend::HeadlessBackend* display = made.get();
    win::SetBackend(std::move(made));
    ctl::RegisterBuiltinControls();
    HWND dialog =
        CreateDialogIndirectParamA(nullptr, &gallery::Template(), nullptr, gallery::Proc, 0);
    if (!dialog) {
        state.SkipWithError("the gallery could not be made");
        win::SetBackend(nullptr);
        return;
    }
    ShowWindow(dialog, SW_SHOW);
    display->Pump();
    RECT client{};
    GetClientRect(dialog, &client);
    const int before = display->PresentCount();
    for (auto _ : state) {
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        display->Pump();
    }
    state.counters["width"] = client.right;
    state.counters["height"] = client.bottom;
    state.counters["presents"] =
        benchmark::Counter(display->PresentCount() - before, benchmark::Counter::kAvgIterations);
    DestroyWindow(dialog);
    win::SetBackend(nullptr);
}
BENCHMARK(BM_GalleryFullRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
