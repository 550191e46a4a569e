#include "platform/win/ClassRegistry.h"

#include "platform/sys/KernelStrings.h"

#include <array>
#include <string_view>

namespace win {

namespace {
constexpr std::array<std::string_view, 11> BuiltinNames = {
    "button",    "edit",          "static",      "listbox",          "combobox", "scrollbar",
    "combolbox", "syslistview32", "sysheader32", "tooltips_class32", "#32770"};
}

ClassRegistry& ClassRegistry::Get() {
    static ClassRegistry registry;
    return registry;
}

std::string ClassRegistry::Key(LPCSTR name) {
    std::string key;
    for (const char* p = name; *p; ++p) {
        key.push_back(qvsql::FoldAscii(*p));
    }
    return key;
}

bool ClassRegistry::IsReserved(const std::string& key) {
    for (std::string_view n : BuiltinNames) {
        if (n == key) {
            return true;
        }
    }
    return false;
}

ATOM ClassRegistry::Register(const WNDCLASSEXA& wc, bool builtin) {
    if (!wc.lpszClassName || IS_INTRESOURCE(wc.lpszClassName) || !*wc.lpszClassName ||
        !wc.lpfnWndProc || wc.cbWndExtra < 0 || nextAtom == 0) {
        return 0;
    }
    const std::string key = Key(wc.lpszClassName);
    if (classes.count(key) || IsReserved(key) != builtin) {
        return 0;
    }
    auto c = std::make_shared<WindowClass>();
    c->name = wc.lpszClassName;
    c->atom = nextAtom++;
    c->style = wc.style;
    c->proc = wc.lpfnWndProc;
    c->windowExtra = wc.cbWndExtra;
    c->instance = wc.hInstance;
    c->icon = wc.hIcon;
    c->smallIcon = wc.hIconSm;
    c->cursor = wc.hCursor;
    c->background = wc.hbrBackground;
    c->builtin = builtin;
    classes[key] = c;
    return c->atom;
}

std::shared_ptr<WindowClass> ClassRegistry::Find(LPCSTR name) const {
    if (!name) {
        return nullptr;
    }
    if (IS_INTRESOURCE(name)) {
        const auto atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(name));
        for (const auto& [key, c] : classes) {
            if (c->atom == atom) {
                return c;
            }
        }
        return nullptr;
    }
    auto it = classes.find(Key(name));
    return it == classes.end() ? nullptr : it->second;
}

ATOM RegisterBuiltinClass(const WNDCLASSEXA& wc) {
    return ClassRegistry::Get().Register(wc, true);
}

} // namespace win
