#pragma once
// Resources by module: dialog templates and icon images registered as data under a module
// handle, looked up by numeric id as the loader would find them in an executable or library.
#include "platform/base/DialogTemplate.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

inline const LPCSTR RT_ICON = reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(3));
inline const LPCSTR RT_DIALOG = reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(5));
inline const LPCSTR RT_GROUP_ICON = reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(14));
inline constexpr UINT IMAGE_BITMAP = 0;
inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT IMAGE_CURSOR = 2;
inline constexpr UINT LR_DEFAULTCOLOR = 0x0000;
inline constexpr UINT LR_DEFAULTSIZE = 0x0040;
inline constexpr UINT LR_SHARED = 0x8000;

// IMAGE_ICON only, null for a null module. Size 0 takes 32 x 32 (or LR_DEFAULTSIZE); otherwise the
// image nearest the size asked. A fresh copy for the caller to destroy, unless LR_SHARED.
void* LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);

namespace win {

class Resources {
  public:
    static Resources& Get();
    static HMODULE ProgramModule();

    // A module handle of its own for a library; the same name (any case) gives the same one.
    HMODULE RegisterModule(const std::string& name);
    HMODULE FindModule(const std::string& name) const;
    bool IsModule(HMODULE module) const;

    // Ids 1..65535 of a known module; a second registration replaces the first. Templates
    // are copied with their strings; icons stay registered for the process's life.
    bool AddDialog(HMODULE module, int id, const DialogTemplate& tpl);
    // One image of an icon group, filed under its width; replaces an image of that width.
    bool AddIcon(HMODULE module, int id, HICON icon);

    const DialogTemplate* Dialog(HMODULE module, int id) const;
    // size 0 = 32; else the image nearest that width.
    HICON Icon(HMODULE module, int id, int size) const;
    // The module holding the resource: first, then the program, then libraries in order.
    HMODULE ModuleHolding(int id, LPCSTR type, HMODULE first) const;
    bool Holds(HMODULE module, int id, LPCSTR type) const;

  private:
    struct StoredDialog {
        DialogTemplate tpl{};
        std::deque<std::string> strings;
        const char* Keep(const char* text);
    };
    using Key = std::pair<HMODULE, int>;

    Resources() = default;
    static bool ValidId(int id) { return id >= 1 && id <= 0xFFFF; }

    std::vector<std::pair<std::string, HMODULE>> libraries;
    std::map<Key, std::unique_ptr<StoredDialog>> dialogs;
    std::map<Key, std::map<int, HICON>> icons; // width -> image
};

} // namespace win
