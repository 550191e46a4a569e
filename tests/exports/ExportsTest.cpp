// The library as a host sees it: loaded with dlopen, driven only through its exports.
#include "tests/support/LoadedLibrary.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* Columns = "Alpha\tBeta\t";

class ExportsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        unsetenv("DISPLAY");
        setenv("QVSQL_BACKEND", "headless", 1);
    }
};

TEST_F(ExportsTest, BadInputAtTheBoundaryWritesNothing) {
    LoadedLibrary lib;
    lib.setTableAndColumns(nullptr, Columns);
    lib.setTableAndColumns("T", nullptr);
    lib.setShemaTable(nullptr, "dbo\tT");
    lib.setShemaTable("T", nullptr);
    lib.setGroupingChars(nullptr);
    lib.setCurrentTable(nullptr);
    lib.setLanguage(-1);
    lib.setLanguage(23);
    EXPECT_STREQ(lib.getTable(), "");

    std::array<char, 8> buffer{'k', 'e', 'e', 'p', '\0', 'x', 'x', 'x'};
    const std::array<char, 8> before = buffer;
    EXPECT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, nullptr, 100), 1);
    EXPECT_EQ(lib.getSELECTSQLQuery("T", Columns, buffer.data(), 0), 1);
    EXPECT_EQ(lib.getSELECTSQLQuery("T", Columns, buffer.data(), -5), 1);
    // No display and no script: one line says so, the call answers 1 and the host's own
    // dialog -1, as never shown.
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), 8), 1);
    std::unique_ptr<QvSQLQueryDlg> own(lib.create());
    EXPECT_EQ(own->DoModal(), -1);
    own.reset();
    const std::string line = "qvsql: the headless display (QVSQL_BACKEND=headless) takes no "
                             "input without QVSQL_SCRIPT; the dialog is not shown\n";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), line + line);
    EXPECT_EQ(buffer, before);

    lib.setCurrentTable("Orders");
    EXPECT_STREQ(lib.getTable(), "Orders");
}

TEST_F(ExportsTest, SecondOpeningKeepsTheWhenPrintedTable) {
    // One script spans both openings: the first makes FROM a When Printed prompt, the second
    // only presses OK on the statement handed back in.
    LoadedLibrary lib(WriteScript("wp", "choose 1007 \"{WHEN PRINTED}\"\n"
                                        "click 2260\ntype \"Which?\"\n"
                                        "choose 2279 \"T\"\nclick 1\nclick 1\n"
                                        "expect preview \"SELECT * FROM {'Which?'|'T'} \"\n"
                                        "click 1\n"));
    lib.setTableAndColumns("T", Columns);
    lib.setTableAndColumns("{WHEN PRINTED}", "{WHEN PRINTED}\t");
    lib.setCurrentTable("T");
    std::array<char, 128> buffer{};
    ASSERT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), 128), 0);
    const std::string first = buffer.data();
    EXPECT_EQ(first, "SELECT * FROM {'Which?'|'T'} ");
    ASSERT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), 128), 0);
    EXPECT_EQ(std::string(buffer.data()), first);
}

// A schema registered through the export qualifies the table in the statement handed back;
// a later registration replaces it, and one under another name changes nothing.
TEST_F(ExportsTest, SchemasThroughTheExportsQualifyTheTable) {
    LoadedLibrary lib(WriteScript("schema", "check 1005 1\nclick 1\ncheck 1005 1\nclick 1\n"));
    lib.setTableAndColumns("Orders", Columns);
    lib.setCurrentTable("Orders");
    lib.setShemaTable("Orders", "old\tOrders");
    lib.setShemaTable("Orders", "sales\tOrder Lines");
    lib.setShemaTable("Other", "dbo\tOther");
    std::array<char, 128> buffer{};
    ASSERT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), 128), 0);
    EXPECT_EQ(std::string(buffer.data()), "SELECT Alpha FROM [sales].[Order Lines] ");
    lib.setGroupingChars("\"\"");
    buffer.fill('\0');
    ASSERT_EQ(lib.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), 128), 0);
    EXPECT_EQ(std::string(buffer.data()), "SELECT Alpha FROM \"sales\".\"Order Lines\" ");
}

TEST_F(ExportsTest, HostCreatedDialogIsDrivenThroughItsOwnOperations) {
    LoadedLibrary lib(WriteScript("own", "check 1005 2\nclick 1\n"));
    std::unique_ptr<QvSQLQueryDlg> dialog(lib.create());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->SetTableAndColumns(nullptr, Columns));
    EXPECT_FALSE(dialog->SetSchemaTable("T", nullptr));
    EXPECT_TRUE(dialog->SetTableAndColumns("T", Columns));
    dialog->SetSQL(nullptr);
    EXPECT_STREQ(dialog->GetSQL(), "");
    lib.setCurrentTable("T");
    EXPECT_EQ(dialog->DoModal(), 1);
    EXPECT_EQ(std::string(dialog->GetSQL()).rfind("SELECT Beta FROM T", 0), 0u);
    // The script has ended: the next opening cancels and the statement stays.
    EXPECT_EQ(dialog->DoModal(), 2);
    EXPECT_EQ(std::string(dialog->GetSQL()).rfind("SELECT Beta FROM T", 0), 0u);
}

TEST_F(ExportsTest, UnloadingDestroysEverything) {
    {
        LoadedLibrary lib(WriteScript("unload", "check 1005 1\nclick 1\n"));
        lib.setTableAndColumns("T", Columns);
        lib.setCurrentTable("T");
        std::unique_ptr<QvSQLQueryDlg> own(lib.create());
        std::array<char, 64> buffer{};
        EXPECT_EQ(lib.getSELECTSQLQuery("U", "X\t", buffer.data(), 64), 0);
        own.reset();
    }
    // LeakSanitizer (the asan build) reports what the unload left behind.
    EXPECT_FALSE(LoadedLibrary::StillMapped());
    // A fresh copy starts from nothing: no settings kept, and its window system, resources and
    // fonts come up again for a second dialog.
    LoadedLibrary again(WriteScript("reload", "check 1005 2\nclick 1\n"));
    EXPECT_STREQ(again.getTable(), "");
    again.setTableAndColumns("T", Columns);
    again.setCurrentTable("T");
    std::array<char, 64> buffer{};
    EXPECT_EQ(again.getSELECTSQLQuery(nullptr, nullptr, buffer.data(), 64), 0);
    EXPECT_EQ(std::string(buffer.data()).rfind("SELECT Beta FROM T", 0), 0u) << buffer.data();
    again.Unload();
    EXPECT_FALSE(LoadedLibrary::StillMapped());
}

// A script never ends or hangs its host: a FIFO is refused unopened, a failing verb cancels,
// and the host that asked for it hears of the failure on its own descriptor.
TEST_F(ExportsTest, ABadScriptCancelsWithoutEndingOrHangingTheHost) {
    const std::string fifo = WriteScript("fifo", "");
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    int channel[2];
    ASSERT_EQ(pipe2(channel, O_NONBLOCK), 0);
    setenv("QVSQL_SCRIPT_FAILURE_FD", std::to_string(channel[1]).c_str(), 1);
    std::array<char, 8> buffer{'k', 'e', 'e', 'p', '\0'};
    const std::array<char, 8> before = buffer;
    for (const std::string& script :
         {fifo, WriteScript("expect", "expect preview \"nothing\"\nclick 1\n"),
          WriteScript("bad", "move 2147483647 0\n")}) {
        LoadedLibrary lib(script);
        lib.setTableAndColumns("T", Columns);
        EXPECT_EQ(lib.getSELECTSQLQuery("T", Columns, buffer.data(), 8), 1) << script;
        EXPECT_EQ(buffer, before);
        char line[256] = {};
        EXPECT_GT(read(channel[0], line, sizeof line - 1), 0) << script;
        EXPECT_EQ(std::string(line).rfind("script", 0), 0u) << line;
    }
    unsetenv("QVSQL_SCRIPT_FAILURE_FD");
    close(channel[0]);
    close(channel[1]);
    std::remove(fifo.c_str());
}

TEST(ExportsSymbols, ExactlyTheEightExports) {
    const std::string command = std::string("nm -D --defined-only ") + QVSQL_LIBRARY;
    std::unique_ptr<FILE, int (*)(FILE*)> nm(popen(command.c_str(), "r"), pclose);
    ASSERT_NE(nm, nullptr);
    std::set<std::string> names;
    std::array<char, 512> line{};
    while (fgets(line.data(), static_cast<int>(line.size()), nm.get())) {
        std::string text = line.data();
        text.erase(text.find_last_not_of("\n") + 1);
        names.insert(text.substr(text.rfind(' ') + 1));
    }
    const std::set<std::string> expected = {
        "CreateSELECTSQLQueryDlg", "SetGroupingChars", "SetLanguage", "SetTableAndColumns",
        "SetShemaTable",           "SetCurrentTable",  "GetTable",    "GetSELECTSQLQuery"};
    EXPECT_EQ(names, expected);
}

} // namespace
