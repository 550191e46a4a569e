// Plays every script under scripts/ into qvsql-host and compares its status and first line
// of standard output with the script's "#> status:" and "#> stdout:" lines. Each "#> arg:"
// line gives one argument of the host; "#> stderr:" a text standard error must contain.
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

struct ScriptCase {
    fs::path path;
    std::vector<std::string> args;
    int status = 0;
    std::string stdoutLine;
    std::string stderrPart;
};

ScriptCase Load(const fs::path& path) {
    ScriptCase c{path, {}, 0, "", ""};
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        auto value = [&](const std::string& key) {
            return line.rfind(key, 0) == 0 ? line.substr(key.size()) : std::string("\x01");
        };
        if (std::string v = value("#> arg: "); v != "\x01") {
            c.args.push_back(v);
        } else if (v = value("#> status: "); v != "\x01") {
            c.status = std::stoi(v);
        } else if (v = value("#> stdout: "); v != "\x01") {
            c.stdoutLine = v;
        } else if (v = value("#> stderr: "); v != "\x01") {
            c.stderrPart = v;
        }
    }
    return c;
}

std::vector<fs::path> Scripts() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(QVSQL_E2E_SCRIPTS)) {
        if (entry.path().extension() == ".script") {
            found.push_back(entry.path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

class ScriptRun : public ::testing::TestWithParam<fs::path> {};

TEST_P(ScriptRun, HostAnswersAsTheScriptSays) {
    const ScriptCase c = Load(GetParam());
    setenv("QVSQL_SCRIPT", c.path.c_str(), 1);
    unsetenv("DISPLAY");
    const auto result = qvsql::test::ChildProcess::Run(QVSQL_HOST_BINARY, c.args, "");
    unsetenv("QVSQL_SCRIPT");
    EXPECT_EQ(result.status, c.status) << result.err;
    const std::string first = result.out.substr(0, result.out.find('\n'));
    EXPECT_EQ(first, c.stdoutLine) << result.err;
    EXPECT_NE(result.err.find(c.stderrPart), std::string::npos) << result.err;
}

std::string CaseName(const ::testing::TestParamInfo<fs::path>& param) {
    std::string name = param.param.stem().string();
    for (char& ch : name) {
        ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptRun, ::testing::ValuesIn(Scripts()), CaseName);

} // namespace
