#pragma once
// A registered window class.
#include "platform/win/WinUser.h"

#include <string>

namespace win {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    bool builtin = false;
    int windowCount = 0;
};

} // namespace win
