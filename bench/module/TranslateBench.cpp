// One translation from a shipped string file, read as UTF-8 and re-encoded in its legacy
// code page, and the misses that leave a text English.
#include "module/InterfaceTexts.h"
#include "module/TextTranslator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace texts = qvsql::texts;

std::string Shipped(const char* language) {
    return std::string(QVSQL_LANG_DIR) + "/" + language + ".str";
}

// The Japanese file in Shift_JIS, written once under a private folder.
const std::string& LegacyJapanese() {
    static const std::string path = [] {
        std::string folder = "/tmp/qvsql-translate-bench-XXXXXX";
        if (mkdtemp(folder.data()) == nullptr)
            std::abort();
        const std::string file = folder + "/jpnjis.str";
        const std::string command =
            "iconv -f UTF-8 -t CP932 '" + Shipped("jpnjis") + "' > '" + file + "'";
        if (std::system(command.c_str()) != 0)
            std::abort();
        static const std::string removal = "rm -rf '" + folder + "'";
        std::atexit([] { static_cast<void>(std::system(removal.c_str())); });
        return file;
    }();
    return path;
}

void Translate(benchmark::State& state, const std::string& path, const char* text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(qvsql::TranslateText(path, texts::section, text));
}

void BM_TranslateUtf8(benchmark::State& state) {
    Translate(state, Shipped("jpnjis"), texts::gridEmpty);
}
void BM_TranslateLegacy(benchmark::State& state) {
    Translate(state, LegacyJapanese(), texts::gridEmpty);
}
void BM_TranslateMissingKey(benchmark::State& state) {
    Translate(state, Shipped("jpnjis"), "Not a text of the library");
}
void BM_TranslateMissingFile(benchmark::State& state) {
    Translate(state, Shipped("klingon"), texts::gridEmpty);
}

} // namespace

BENCHMARK(BM_TranslateUtf8);
BENCHMARK(BM_TranslateLegacy);
BENCHMARK(BM_TranslateMissingKey);
BENCHMARK(BM_TranslateMissingFile);
