#include "platform/win/Resources.h"

#include "platform/base/WinStyles.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <cstdlib>

namespace win {

namespace {

// The classic load addresses: the program at 4 MB, libraries from 256 MB on.
constexpr std::uintptr_t ProgramBase = 0x00400000;
constexpr std::uintptr_t LibraryBase = 0x10000000;
constexpr std::uintptr_t LibraryStride = 0x00010000;

std::string Folded(const std::string& name) {
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return key;
}

int IconWidth(HICON icon) {
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bm;
    const int width = GetObjectA(info.hbmColor, sizeof(bm), &bm) ? bm.bmWidth : 0;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return width;
}

bool IsIconType(LPCSTR type) {
    return type == RT_ICON || type == RT_GROUP_ICON;
}

} // namespace

const char* Resources::StoredDialog::Keep(const char* text) {
    if (!text) {
        return nullptr;
    }
    strings.emplace_back(text);
    return strings.back().c_str();
}

Resources& Resources::Get() {
    static Resources resources;
    return resources;
}

HMODULE Resources::ProgramModule() {
    return reinterpret_cast<HMODULE>(ProgramBase);
}

HMODULE Resources::RegisterModule(const std::string& name) {
    if (HMODULE known = FindModule(name)) {
        return known;
    }
    const std::uintptr_t slot = LibraryBase + LibraryStride * libraries.size();
    libraries.emplace_back(Folded(name), reinterpret_cast<HMODULE>(slot));
    return libraries.back().second;
}

HMODULE Resources::FindModule(const std::string& name) const {
    const std::string key = Folded(name);
    for (const auto& [libraryName, module] : libraries) {
        if (libraryName == key) {
            return module;
        }
    }
    return nullptr;
}

bool Resources::IsModule(HMODULE module) const {
    return module == ProgramModule() ||
           std::any_of(libraries.begin(), libraries.end(),
                       [&](const auto& entry) { return entry.second == module; });
}

bool Resources::AddDialog(HMODULE module, int id, const DialogTemplate& tpl) {
    if (!IsModule(module) || !ValidId(id)) {
        return false;
    }
    auto stored = std::make_unique<StoredDialog>();
    stored->tpl = tpl;
    stored->tpl.title = stored->Keep(tpl.title);
    stored->tpl.fontFace = stored->Keep(tpl.fontFace);
    for (DialogItemTemplate& item : stored->tpl.items) {
        item.className = stored->Keep(item.className);
        item.text = stored->Keep(item.text);
    }
    dialogs[{module, id}] = std::move(stored);
    return true;
}

bool Resources::AddIcon(HMODULE module, int id, HICON icon) {
    const int width = IconWidth(icon);
    if (!IsModule(module) || !ValidId(id) || width <= 0) {
        return false;
    }
    icons[{module, id}][width] = icon;
    return true;
}

const DialogTemplate* Resources::Dialog(HMODULE module, int id) const {
    auto it = dialogs.find({module, id});
    return it == dialogs.end() ? nullptr : &it->second->tpl;
}

HICON Resources::Icon(HMODULE module, int id, int size) const {
    auto it = icons.find({module, id});
    if (it == icons.end() || it->second.empty()) {
        return nullptr;
    }
    const int want = size > 0 ? size : 32;
    HICON best = nullptr;
    int distance = 0;
    for (const auto& [width, icon] : it->second) {
        const int d = std::abs(width - want);
        if (!best || d < distance) {
            best = icon;
            distance = d;
        }
    }
    return best;
}

bool Resources::Holds(HMODULE module, int id, LPCSTR type) const {
    if (type == RT_DIALOG) {
        return Dialog(module, id) != nullptr;
    }
    return IsIconType(type) && Icon(module, id, 0) != nullptr;
}

HMODULE Resources::ModuleHolding(int id, LPCSTR type, HMODULE first) const {
    if (first && Holds(first, id, type)) {
        return first;
    }
    if (Holds(ProgramModule(), id, type)) {
        return ProgramModule();
    }
    for (const auto& entry : libraries) {
        if (Holds(entry.second, id, type)) {
            return entry.second;
        }
    }
    return nullptr;
}

} // namespace win

using win::Resources;

namespace {

int IdOf(LPCSTR name) {
    return name && IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<std::uintptr_t>(name))
                                        : 0;
}

HICON CopyIcon(HICON icon) {
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) {
        return nullptr;
    }
    HICON copy = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return copy;
}

} // namespace

void* LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    if (type != IMAGE_ICON || !instance || cx < 0 || cy < 0) {
        return nullptr;
    }
    const int size = cx > 0 ? cx : (cy > 0 ? cy : 0);
    HICON icon = Resources::Get().Icon(instance, IdOf(name), size);
    return (flags & LR_SHARED) ? icon : CopyIcon(icon);
}
