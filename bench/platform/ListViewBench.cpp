// A report view repainted whole: 10,000 rows should cost what 20 do, as only the shown rows
// are painted.
#include "platform/backend/HeadlessBackend.h"
#include "platform/base/CommCtrl.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

HWND MakeList(int rowCount) {
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT, 0, 0, 400,
                                300, nullptr, nullptr, nullptr, nullptr);
    for (int c = 0; c < 4; ++c) {
        LVCOLUMNA column;
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>("Column");
        column.cx = 90;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int r = 0; r < rowCount; ++r) {
        std::string text = "row " + std::to_string(r);
        LVITEMA item;
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = text.data();
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    return list;
}

void BM_ListViewRepaint(benchmark::State& state) {
    auto made = std::make_unique<backend::HeadlessBackend>();
    backend::HeadlessBackend* display = made.get();
    win::SetBackend(std::move(made));
    ctl::RegisterBuiltinControls();
    HWND list = MakeList(static_cast<int>(state.range(0)));
    display->Pump();
    for (auto _ : state) {
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        display->Pump();
    }
    DestroyWindow(list);
    win::SetBackend(nullptr);
}
BENCHMARK(BM_ListViewRepaint)->Arg(20)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
