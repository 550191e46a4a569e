#include "platform/backend/BackendFactory.h"

#include "platform/win/WindowSystem.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace backend {

namespace {

std::string_view Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::unique_ptr<win::Backend> CreateBackend() {
    const std::string_view chosen = Env("QVSQL_BACKEND");
    const bool x11 = chosen == "x11" || (chosen.empty() && !Env("DISPLAY").empty());
    std::unique_ptr<win::Backend> made = x11 ? CreateX11Backend() : nullptr;
    static bool told = false;
    if (!made && x11 && !told) {
        told = true;
        std::fputs("qvsql: no usable X display, using the headless backend\n", stderr);
    }
    return made ? std::move(made) : CreateHeadlessBackend();
}

void InstallBackend() {
    win::SetBackend(CreateBackend());
}

} // namespace backend
