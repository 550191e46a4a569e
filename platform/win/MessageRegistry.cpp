// Registered window messages: one number per name, ignoring case, for the process's life.
// The table is made on first use, so registering works during static initialisation.
#include "platform/sys/KernelStrings.h"
#include "platform/win/WinUser.h"

#include <string>
#include <unordered_map>

namespace {

constexpr UINT FirstRegistered = 0xC000;
constexpr UINT LastRegistered = 0xFFFF;

std::unordered_map<std::string, UINT>& Registered() {
    static std::unordered_map<std::string, UINT> names;
    return names;
}

} // namespace

UINT RegisterWindowMessageA(LPCSTR name) {
    if (!name || !*name) {
        return 0;
    }
    std::string key;
    for (const char* p = name; *p; ++p) {
        key.push_back(qvsql::FoldAscii(*p));
    }
    auto& names = Registered();
    if (auto it = names.find(key); it != names.end()) {
        return it->second;
    }
    const UINT number = FirstRegistered + static_cast<UINT>(names.size());
    if (number > LastRegistered) {
        return 0;
    }
    names.emplace(std::move(key), number);
    return number;
}
