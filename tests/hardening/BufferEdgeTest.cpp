// The host's buffer lies right before a page nobody may touch: every size from 0 to one past
// the statement, with OK and with Cancel, and a handed-in text that is not terminated within
// the buffer. A read or write past the buffer ends the test with a fault.
#include "tests/support/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr const char* Columns = "Alpha\tBeta\t";

// Two pages, the second inaccessible; buffers end where it starts.
class GuardedPages {
  public:
    GuardedPages() : page(static_cast<std::size_t>(sysconf(_SC_PAGESIZE))) {
        void* made =
            mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        base = made == MAP_FAILED ? nullptr : static_cast<char*>(made);
        if (base) {
            mprotect(base + page, page, PROT_NONE);
        }
    }
    ~GuardedPages() {
        if (base) {
            munmap(base, 2 * page);
        }
    }
    GuardedPages(const GuardedPages&) = delete;
    GuardedPages& operator=(const GuardedPages&) = delete;

    bool Ready() const { return base != nullptr; }
    // size bytes filled with a handed-in text that has no terminating zero.
    char* Buffer(int size) {
        char* buffer = base + page - size;
        std::memset(base, 'Q', page);
        return buffer;
    }

  private:
    std::size_t page;
    char* base = nullptr;
};

TEST(BufferEdge, EverySizeAroundTheStatementWithOkAndCancel) {
    // Each opening ticks Alpha and presses OK, then the next one presses Cancel.
    std::string script = "check 1005 1\nclick 1\n";
    for (int i = 0; i < 5; ++i) {
        script += "check 1005 1\nclick 1\nclick 2\n";
    }
    LoadedLibrary lib(WriteScript("buffer-edge", script));
    lib.setTableAndColumns("T", Columns);
    lib.setCurrentTable("T");
    GuardedPages pages;
    ASSERT_TRUE(pages.Ready());

    char* whole = pages.Buffer(256);
    whole[0] = '\0';
    ASSERT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, whole, 256), 0);
    const std::string statement = whole;
    ASSERT_EQ(statement.rfind("SELECT Alpha FROM T", 0), 0u) << statement;
    const int n = static_cast<int>(statement.size()) + 1; // what fits with its zero

    for (int size : {0, 1, 2, n - 1, n, n + 1}) {
        char* buffer = pages.Buffer(size);
        const bool shown = size > 0;
        EXPECT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer, size), shown ? 0 : 1) << size;
        if (shown) {
            const auto copied = static_cast<std::size_t>(std::min(size - 1, n - 1));
            EXPECT_EQ(std::string(buffer, copied), statement.substr(0, copied)) << size;
            EXPECT_EQ(buffer[copied], '\0') << size;
            buffer = pages.Buffer(size);
            EXPECT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer, size), 1) << size;
        }
        EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(size)), std::string(size, 'Q'))
            << "left alone, size " << size;
    }
}

} // namespace
