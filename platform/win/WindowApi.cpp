// Window links, attributes and text.
#include "platform/win/WindowManager.h"

#include <algorithm>
#include <cstring>

using win::Window;
using win::WindowManager;

namespace {

HWND HandleOf(const Window* w) {
    return w ? w->handle : nullptr;
}

HWND Sibling(Window* w, UINT command) {
    auto& list = WindowManager::Get().Siblings(w);
    auto it = std::find(list.begin(), list.end(), w);
    switch (command) {
    case GW_HWNDFIRST:
        return list.front()->handle;
    case GW_HWNDLAST:
        return list.back()->handle;
    case GW_HWNDNEXT:
        return it + 1 != list.end() ? (*(it + 1))->handle : nullptr;
    default:
        return it != list.begin() ? (*(it - 1))->handle : nullptr;
    }
}

void ChangeStyle(HWND hwnd, int index, DWORD value) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    STYLESTRUCT change{index == GWL_STYLE ? w->style : w->exStyle, value};
    wm.Send(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    if (!(w = wm.Find(hwnd))) {
        return;
    }
    if (index == GWL_STYLE) {
        w->style = (change.styleNew & ~WS_CHILD) | (w->style & WS_CHILD);
    } else {
        w->exStyle = change.styleNew;
    }
    wm.Send(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
}

bool ExtraSlot(Window* w, int index) {
    return index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size();
}

} // namespace

BOOL IsWindow(HWND hwnd) {
    return WindowManager::Get().Find(hwnd) ? TRUE : FALSE;
}

HWND GetParent(HWND hwnd) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w) {
        return nullptr;
    }
    if (w->IsChild()) {
        return w->parent->handle;
    }
    return (w->style & WS_POPUP) ? HandleOf(w->owner) : nullptr;
}

HWND GetWindow(HWND hwnd, UINT command) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w) {
        return nullptr;
    }
    switch (command) {
    case GW_OWNER:
        return HandleOf(w->owner);
    case GW_CHILD:
        return w->children.empty() ? nullptr : w->children.front()->handle;
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV:
        return Sibling(w, command);
    default:
        return nullptr;
    }
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w) {
        return nullptr;
    }
    switch (flags) {
    case GA_PARENT:
        return w->IsChild() ? w->parent->handle : nullptr;
    case GA_ROOT:
        return WindowManager::Root(w)->handle;
    case GA_ROOTOWNER:
        for (w = WindowManager::Root(w); w->owner; w = w->owner) {
        }
        return w->handle;
    default:
        return nullptr;
    }
}

BOOL IsChild(HWND parent, HWND hwnd) {
    auto& wm = WindowManager::Get();
    Window* p = wm.Find(parent);
    Window* w = wm.Find(hwnd);
    return p && w && w != p && WindowManager::IsAncestor(p, w) ? TRUE : FALSE;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = WindowManager::Get().Find(hwnd);
    return w && w->IsChild() ? static_cast<int>(w->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* d = WindowManager::Get().Find(dialog);
    if (!d) {
        return nullptr;
    }
    for (Window* child : d->children) {
        if (static_cast<int>(child->id) == id) {
            return child->handle;
        }
    }
    return nullptr;
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w) {
        return 0;
    }
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->IsChild() ? w->parent->handle : HandleOf(w->owner));
    case GWLP_ID:
        return w->id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    default:
        break;
    }
    LONG_PTR value = 0;
    if (ExtraSlot(w, index)) {
        std::memcpy(&value, w->extra.data() + index, sizeof(value));
    }
    return value;
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return 0;
    }
    const LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC:
        w->proc = value ? reinterpret_cast<WNDPROC>(value) : w->proc;
        return value ? old : 0;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWLP_HWNDPARENT:
        if (!w->IsChild()) {
            Window* owner = wm.Find(reinterpret_cast<HWND>(value));
            w->owner = owner && owner != w ? WindowManager::Root(owner) : nullptr;
        }
        return old;
    case GWLP_ID:
        w->id = value;
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        ChangeStyle(hwnd, index, static_cast<DWORD>(value));
        return old;
    case GWLP_USERDATA:
        w->userData = value;
        return old;
    default:
        break;
    }
    if (!ExtraSlot(w, index)) {
        return 0;
    }
    std::memcpy(w->extra.data() + index, &value, sizeof(value));
    return old;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!IsWindow(hwnd)) {
        return FALSE;
    }
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
    if (!buffer || size <= 0 || !IsWindow(hwnd)) {
        return 0;
    }
    buffer[0] = '\0';
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(size),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}
