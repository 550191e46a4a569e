// docs/scripting.md cannot go stale: its first example is played into the demo host and its
// output compared with the one the page shows, and every example of its verb table parses.
#include "automation/ScriptParser.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines() {
    std::ifstream file(QVSQL_DOCS_DIR "/scripting.md");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The lines after the first line equal to start, up to the next line equal to end.
std::string Between(const std::vector<std::string>& lines, const std::string& start,
                    const std::string& end) {
    std::string text;
    bool inside = false;
    for (const std::string& line : lines) {
        if (inside && line == end) {
            return text;
        }
        if (inside) {
            text += line + '\n';
        }
        inside = inside || line.find(start) != std::string::npos;
    }
    return "";
}

std::vector<std::string> HostArguments(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const std::size_t host = line.find("tools/qvsql-host/qvsql-host ");
        if (line.rfind("QVSQL_SCRIPT=", 0) != 0 || host == std::string::npos) {
            continue;
        }
        std::istringstream words(line.substr(host));
        std::vector<std::string> args;
        for (std::string word; words >> word;) {
            args.push_back(word);
        }
        return {args.begin() + 1, args.end()};
    }
    return {};
}

TEST(ScriptingDoc, TheFirstExamplePrintsWhatThePageShows) {
    const std::vector<std::string> lines = Lines();
    const std::string script = Between(lines, "<<'END'", "END");
    const std::string shown = Between(lines, "```text", "```");
    ASSERT_FALSE(script.empty());
    ASSERT_FALSE(shown.empty());

    const qvsql::test::TempDir temp;
    const fs::path& dir = temp.Path();
    fs::current_path(dir); // the example's screenshot lands in the working folder
    std::ofstream(dir / "example.script") << script;
    ::setenv("QVSQL_SCRIPT", (dir / "example.script").c_str(), 1);
    ::setenv("QVSQL_BACKEND", "headless", 1);

    const auto run = qvsql::test::ChildProcess::Run(QVSQL_HOST_BINARY, HostArguments(lines), "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, shown);
    EXPECT_TRUE(fs::exists(dir / "name.png"));
    fs::current_path(fs::temp_directory_path()); // out of the folder before it goes
}

TEST(ScriptingDoc, EveryVerbExampleParses) {
    int examples = 0;
    for (const std::string& line : Lines()) {
        // | `verb ARGS` | `example` | what happens |
        if (line.rfind("| `", 0) != 0) {
            continue;
        }
        const std::size_t open = line.find("| `", 3);
        const std::size_t close = line.find("` |", open + 3);
        ASSERT_NE(close, std::string::npos) << line;
        const std::string example = line.substr(open + 3, close - open - 3);
        const qvsql::ParsedScript parsed = qvsql::ParseScript(example);
        EXPECT_EQ(parsed.errorLine, 0) << example << ": " << parsed.error;
        EXPECT_EQ(parsed.commands.size(), 1u) << example;
        ++examples;
    }
    EXPECT_GE(examples, 20);
}

} // namespace
