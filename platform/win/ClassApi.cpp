// Window class registration and lookup.
#include "platform/sys/KernelStrings.h"
#include "platform/win/ClassRegistry.h"
#include "platform/win/WindowManager.h"

#include <string_view>

using win::ClassRegistry;

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    return wc ? ClassRegistry::Get().Register(*wc, false) : 0;
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc) {
        return 0;
    }
    WNDCLASSEXA ex;
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return RegisterClassExA(&ex);
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR className, WNDCLASSEXA* wc) {
    auto c = ClassRegistry::Get().Find(className);
    if (!c || !wc) {
        return FALSE;
    }
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = 0;
    wc->cbWndExtra = c->windowExtra;
    wc->hInstance = c->instance;
    wc->hIcon = c->icon;
    wc->hIconSm = c->smallIcon;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = className;
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, WNDCLASSA* wc) {
    WNDCLASSEXA ex;
    if (!wc || !GetClassInfoExA(instance, className, &ex)) {
        return FALSE;
    }
    wc->style = ex.style;
    wc->lpfnWndProc = ex.lpfnWndProc;
    wc->cbClsExtra = ex.cbClsExtra;
    wc->cbWndExtra = ex.cbWndExtra;
    wc->hInstance = ex.hInstance;
    wc->hIcon = ex.hIcon;
    wc->hCursor = ex.hCursor;
    wc->hbrBackground = ex.hbrBackground;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = className;
    return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
    win::Window* w = win::WindowManager::Get().Find(hwnd);
    if (!w || !buffer || size <= 0) {
        return 0;
    }
    lstrcpynA(buffer, w->cls->name.c_str(), size);
    return static_cast<int>(std::string_view(buffer).size());
}
