#include "platform/backend/BackendFactory.h"

#include "platform/backend/X11Backend.h"
#include "platform/win/WindowSystem.h"

#include <cstdlib>
#include <string_view>

namespace backend {

namespace {

std::string_view Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void CarryOver(win::Backend& display, HWND top) {
    RECT r{};
    GetWindowRect(top, &r);
    display.CreateNative(top, r);
    char title[256] = {};
    GetWindowTextA(top, title, sizeof title);
    display.SetNativeTitle(top, title);
    display.ShowNative(top, IsWindowVisible(top) != FALSE);
}

} // namespace

std::unique_ptr<win::Backend> CreateBackend(std::string* why) {
    const std::string_view chosen = Env("QVSQL_BACKEND");
    const bool x11 = chosen == "x11" || (chosen.empty() && !Env("DISPLAY").empty());
    std::string problem;
    std::unique_ptr<win::Backend> made = x11 ? CreateX11Backend(&problem) : nullptr;
    if (!x11) {
        problem = chosen == "headless" ? "the headless display (QVSQL_BACKEND=headless) takes "
                                         "no input without QVSQL_SCRIPT"
                                       : "no X display (DISPLAY is not set)";
    }
    if (why) {
        *why = made ? std::string() : problem;
    }
    return made ? std::move(made) : CreateHeadlessBackend();
}

std::string InstallBackend() {
    std::string why;
    std::unique_ptr<win::Backend> made = CreateBackend(&why);
    const std::vector<HWND> tops = win::TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) { // owners before what they own
        CarryOver(*made, *it);
    }
    win::SetBackend(std::move(made));
    return why;
}

bool DisplayLost() {
    const auto* x11 = dynamic_cast<const X11Backend*>(&win::GetBackend());
    return x11 && !x11->Connected();
}

} // namespace backend
