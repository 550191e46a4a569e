// Text in the dialog font: measuring and drawing a label in ASCII and in other scripts.
// Shaped labels are cached, so a repeated label in any script should cost no more than
// about twice an ASCII label of the same length.
#include "platform/gfx/Gdi.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

constexpr int Width = 600;
constexpr int Height = 40;

// Labels of 24 characters each.
const char* const Labels[] = {
    "Columns of the table: ID",               // ASCII
    "Colonnes de la tâche: été",              // Latin with accents
    "עמודות הטבלה: מזהה ושם12",               // Hebrew
    "คอลัมน์ของตารางที่เลือกไว้",                   // Thai with marks
    "表中的列：编号名称城市国家邮编电话传真", // CJK
    "أعمدة الجدول: المعرف والاسم",            // Arabic
};

struct TextDC {
    TextDC() : surface(Width, Height) {
        dc = CreateSurfaceDC(&surface, POINT{}, gfx::Region(RECT{0, 0, Width, Height}));
        font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)); // -11 "MS Sans Serif"
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
    }
    ~TextDC() { DeleteDC(dc); }
    gfx::Surface surface;
    HDC dc = nullptr;
    HFONT font = nullptr;
};

void BM_TextMeasure(benchmark::State& state) {
    TextDC t;
    const char* label = Labels[state.range(0)];
    const int count = static_cast<int>(std::strlen(label));
    SIZE size{};
    for (auto _ : state) {
        GetTextExtentPoint32A(t.dc, label, count, &size);
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(BM_TextMeasure)->DenseRange(0, 5);

void BM_TextDraw(benchmark::State& state) {
    TextDC t;
    const char* label = Labels[state.range(0)];
    RECT r{0, 0, Width, Height};
    for (auto _ : state) {
        DrawTextA(t.dc, label, -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TextDraw)->DenseRange(0, 5);

} // namespace
