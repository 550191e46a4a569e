#include "automation/ScriptEnvironment.h"

#include "automation/ScriptFiles.h"
#include "automation/ScriptParser.h"
#include "automation/ScriptPlayer.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/win/WindowSystem.h"

#include <cstdlib>
#include <memory>

namespace qvsql {

namespace {

// The script as commands; after a failure, none (the first wait for input ends the dialog).
std::vector<ScriptCommand> LoadScript(const char* path) {
    std::string text;
    std::string why;
    if (!ReadScriptFile(path, text, why)) {
        ReportScriptFailure(why);
        return {};
    }
    ParsedScript parsed = ParseScript(text);
    if (parsed.errorLine != 0) {
        ReportScriptFailure("script:" + std::to_string(parsed.errorLine) + ": " + parsed.error);
    }
    return std::move(parsed.commands);
}

} // namespace

bool StartScriptFromEnvironment() {
    static bool started = false;
    const char* path = std::getenv("QVSQL_SCRIPT");
    if (started || !path || !*path) {
        return started;
    }
    auto player = std::make_shared<ScriptPlayer>(LoadScript(path), ReportScriptFailure);
    auto display = std::make_unique<backend::HeadlessBackend>();
    display->SetScript([player](backend::HeadlessBackend& d) { return player->Step(d); });
    win::SetBackend(std::move(display));
    started = true;
    return true;
}

} // namespace qvsql
