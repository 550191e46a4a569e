// An allocation that fails inside an export: the export catches it and answers as for bad
// input, and the library goes on working. The failure is injected by replacing the global
// operator new of this program, which the loaded library's allocations reach too.
#include "tests/support/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

namespace {

// -1: allocations succeed; n >= 0: the allocation after the next n fails, once.
std::atomic<int> failAfter{-1};

} // namespace

void* operator new(std::size_t size) {
    int left = failAfter.load();
    while (left >= 0 && !failAfter.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0) {
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

// The library makes its dialog with the nothrow form; a sanitizer brings its own unless this
// program replaces it as well.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

constexpr const char* Columns = "Alpha\tBeta\t";
// Longer than any string kept without an allocation of its own.
const std::string longName(64, 'T');

class ExportGuards : public ::testing::Test {
  protected:
    void SetUp() override {
        unsetenv("DISPLAY");
        setenv("QVSQL_BACKEND", "headless", 1);
    }
    // Runs call with the first allocation inside it failing.
    template <typename Call> auto Failing(Call call) {
        failAfter = 0;
        auto answer = call();
        failAfter = -1;
        return answer;
    }
    template <typename Call> void FailingVoid(Call call) {
        Failing([&] {
            call();
            return 0;
        });
    }
};

TEST_F(ExportGuards, AFailedAllocationInsideAnExportIsAnsweredAsDocumented) {
    LoadedLibrary lib(WriteScript("guards", "check 1005 1\nclick 1\n"));
    lib.setCurrentTable("Before");
    FailingVoid([&] { lib.setCurrentTable(longName.c_str()); });
    EXPECT_STREQ(lib.getTable(), "Before");
    FailingVoid([&] { lib.setTableAndColumns(longName.c_str(), Columns); });
    FailingVoid([&] { lib.setShemaTable(longName.c_str(), "dbo\tT"); });
    FailingVoid([&] { lib.setGroupingChars("\"\""); });
    FailingVoid([&] { lib.setLanguage(4); });

    std::array<char, 64> buffer{};
    buffer.fill('#');
    buffer.back() = '\0';
    const std::array<char, 64> before = buffer;
    EXPECT_EQ(Failing([&] { return lib.getSELECTSQLQuery("T", Columns, buffer.data(), 64); }), 1);
    EXPECT_EQ(buffer, before);
    EXPECT_EQ(Failing([&] { return lib.create(); }), nullptr);

    // Nothing was left half done: the library still composes and hands back a statement.
    lib.setTableAndColumns("T", Columns);
    lib.setCurrentTable("T");
    ASSERT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), 64), 0);
    EXPECT_EQ(std::string(buffer.data()), "SELECT Alpha FROM T ");
}

// The dialog object is allocated, but the allocation inside its construction fails.
TEST_F(ExportGuards, AFailureWhileMakingAHostDialogGivesNoDialog) {
    LoadedLibrary lib;
    failAfter = 1;
    QvSQLQueryDlg* dialog = lib.create();
    failAfter = -1;
    EXPECT_EQ(dialog, nullptr);
    std::unique_ptr<QvSQLQueryDlg> next(lib.create());
    EXPECT_NE(next, nullptr);
}

} // namespace
