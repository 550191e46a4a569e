#pragma once
// Registered window classes: one namespace per process, names compared ignoring ASCII case.
// The names of the built-in controls are reserved for RegisterBuiltinClass.
#include "platform/win/WindowClass.h"

#include <map>
#include <memory>
#include <string>

namespace win {

class ClassRegistry {
  public:
    static ClassRegistry& Get();

    // 0 when the name is taken, reserved or unusable.
    ATOM Register(const WNDCLASSEXA& wc, bool builtin);
    // By name, or by atom (MAKEINTATOM); null when unknown.
    std::shared_ptr<WindowClass> Find(LPCSTR name) const;

  private:
    static bool IsReserved(const std::string& key);
    static std::string Key(LPCSTR name);
    std::map<std::string, std::shared_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC000;
};

// Registers a class of the platform's own controls (button, edit, list box...).
ATOM RegisterBuiltinClass(const WNDCLASSEXA& wc);

} // namespace win
