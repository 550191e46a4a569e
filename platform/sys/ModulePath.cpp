#include "platform/sys/ModulePath.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// readlink does not say whether it cut the path, so grow until it fits.
std::string ExecutablePath() {
    std::string path(256, '\0');
    for (;;) {
        const ssize_t got = readlink("/proc/self/exe", path.data(), path.size());
        if (got < 0) {
            return {};
        }
        if (static_cast<std::size_t>(got) < path.size()) {
            path.resize(static_cast<std::size_t>(got));
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const std::string path = module == nullptr ? ExecutablePath() : std::string();
    const std::size_t copied = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), copied);
    buffer[copied] = '\0';
    return copied < path.size() ? size : static_cast<DWORD>(copied);
}
