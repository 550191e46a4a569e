// Fills against memset, cached glyph drawing against first rasterisation.
#include "platform/gfx/FontInstance.h"
#include "platform/gfx/Gdi.h"

#include <benchmark/benchmark.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int Width = 600;
constexpr int Height = 430;
constexpr const char* Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int LetterCount = 52;

void BM_FillRectFullSurface(benchmark::State& state) {
    gfx::Surface surface(Width, Height);
    HDC dc = CreateSurfaceDC(&surface, POINT{}, gfx::Region(RECT{0, 0, Width, Height}));
    const RECT all{0, 0, Width, Height};
    HBRUSH brush = CreateSolidBrush(RGB(192, 192, 192));
    for (auto _ : state) {
        FillRect(dc, &all, brush);
        benchmark::DoNotOptimize(surface.Row(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * Width * Height * 4);
    DeleteObject(brush);
    DeleteDC(dc);
}
BENCHMARK(BM_FillRectFullSurface);

void BM_MemsetSameBytes(benchmark::State& state) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(Width) * Height);
    for (auto _ : state) {
        std::memset(pixels.data(), 0xC0, pixels.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * Width * Height * 4);
}
BENCHMARK(BM_MemsetSameBytes);

// Every iteration rasterises the 52 letters in a font instance that has not seen them.
void BM_GlyphFirstRasterisation(benchmark::State& state) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0 ||
        FT_New_Face(library, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0, &face) != 0) {
        state.SkipWithError("DejaVu Sans is not installed");
        return;
    }
    gfx::FontStyle style;
    for (auto _ : state) {
        state.PauseTiming();
        auto font = std::make_unique<gfx::FontInstance>(face, style, "DejaVu Sans");
        state.ResumeTiming();
        for (int i = 0; i < LetterCount; ++i) {
            benchmark::DoNotOptimize(font->GlyphFor(static_cast<char32_t>(Letters[i])).advance);
        }
        state.PauseTiming();
        font.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * LetterCount);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}
BENCHMARK(BM_GlyphFirstRasterisation);

// The same 52 letters drawn from the glyph cache onto a surface.
void BM_GlyphCachedDraw(benchmark::State& state) {
    gfx::Surface surface(Width, 40);
    HDC dc = CreateSurfaceDC(&surface, POINT{}, gfx::Region(RECT{0, 0, Width, 40}));
    SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 0, 0, Letters, LetterCount);
    for (auto _ : state) {
        TextOutA(dc, 0, 10, Letters, LetterCount);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * LetterCount);
    DeleteDC(dc);
}
BENCHMARK(BM_GlyphCachedDraw);

} // namespace
