// Plays the repository's demo script into the demo host, as scripts/demo.sh does headless:
// the statement, the rows of the sample database and the screenshot must all come out.
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(DemoScript, ComposesRunsAndSavesTheDialog) {
    const qvsql::test::TempDir temp;
    const fs::path& dir = temp.Path();
    fs::current_path(dir); // the script saves its screenshot beside the working directory
    ::setenv("QVSQL_SCRIPT", QVSQL_DEMO_SCRIPT, 1);
    ::setenv("QVSQL_BACKEND", "headless", 1);

    const auto result =
        qvsql::test::ChildProcess::Run(QVSQL_HOST_BINARY, {"--table", "Customers"}, "");

    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "SELECT ID,Name,City FROM Customers WHERE  ( City = 'Paris' )  ORDER BY Name DESC\n"
              "ID | Name          | City\n"
              "-- | ------------- | -----\n"
              "3  | Brigitte Roux | Paris\n"
              "1  | Anne Martin   | Paris\n"
              "7  | Alice Dupont  | Paris\n");
    std::ifstream png(dir / "qvsql-demo.png", std::ios::binary);
    char magic[4] = {};
    png.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    fs::current_path(fs::temp_directory_path()); // out of the folder before it goes
}

} // namespace
