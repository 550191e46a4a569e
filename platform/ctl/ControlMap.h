#pragma once
// Per-window state of a built-in control. The state lives from WM_NCCREATE to WM_NCDESTROY;
// a handler keeps its own reference while it runs, so a window destroyed from inside one of
// its notifications never frees the state under the handler's feet.
#include "platform/win/ClassRegistry.h"
#include "platform/win/WinUser.h"

#include <memory>
#include <unordered_map>

namespace ctl {

template <class Control> class ControlMap {
  public:
    // The window procedure of the class: Control(HWND) and Control::Handle(msg, wp, lp).
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto& map = Map();
        if (msg == WM_NCCREATE) {
            map[hwnd] = std::make_shared<Control>(hwnd);
        }
        auto it = map.find(hwnd);
        if (it == map.end()) {
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
        const std::shared_ptr<Control> keep = it->second;
        if (msg == WM_NCDESTROY) {
            map.erase(it);
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
        return keep->Handle(msg, wParam, lParam);
    }

    // Registers Control::ClassName, one of the reserved built-in names, with Proc.
    static ATOM RegisterBuiltin(UINT style, LPCSTR cursor = IDC_ARROW) {
        WNDCLASSEXA wc;
        wc.style = style;
        wc.lpfnWndProc = Proc;
        wc.hCursor = LoadCursorA(nullptr, cursor);
        wc.lpszClassName = Control::ClassName;
        return win::RegisterBuiltinClass(wc);
    }

    // Null for a window of another class or a destroyed one.
    static Control* Find(HWND hwnd) {
        auto it = Map().find(hwnd);
        return it == Map().end() ? nullptr : it->second.get();
    }

  private:
    static std::unordered_map<HWND, std::shared_ptr<Control>>& Map() {
        static std::unordered_map<HWND, std::shared_ptr<Control>> map;
        return map;
    }
};

} // namespace ctl
