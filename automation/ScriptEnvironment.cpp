#include "automation/ScriptEnvironment.h"

#include "automation/ScriptParser.h"
#include "automation/ScriptPlayer.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/win/WindowSystem.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace qvsql {

namespace {

constexpr int ScriptFailed = 3;

// Ends at once: windows and the library's objects are mid-flight, so no destructor runs.
[[noreturn]] void Fail(const std::string& line) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    std::_Exit(ScriptFailed);
}

std::string ReadScript(const char* path) {
    std::error_code ignored;
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ignored)) {
        Fail(std::string("script: cannot read ") + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

bool StartScriptFromEnvironment() {
    static bool started = false;
    const char* path = std::getenv("QVSQL_SCRIPT");
    if (started || !path || !*path) {
        return started;
    }
    ParsedScript parsed = ParseScript(ReadScript(path));
    if (parsed.errorLine != 0) {
        Fail("script:" + std::to_string(parsed.errorLine) + ": " + parsed.error);
    }
    auto player = std::make_shared<ScriptPlayer>(std::move(parsed.commands), Fail);
    auto display = std::make_unique<backend::HeadlessBackend>();
    display->SetScript([player](backend::HeadlessBackend& d) { return player->Step(d); });
    win::SetBackend(std::move(display));
    started = true;
    return true;
}

} // namespace qvsql
