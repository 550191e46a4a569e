#pragma once
// Dialog templates as C++ data: what a resource compiler would make of a DIALOG statement.
// Rectangles are in dialog units; class names are the Win32 ones; id -1 (IDC_STATIC) may
// repeat. Text pointers may be null (no text).
#include "platform/base/WinDef.h"

#include <vector>

struct DialogItemTemplate {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    const char* title;
    short x, y, cx, cy;
    const char* fontFace;
    int pointSize;
    std::vector<DialogItemTemplate> items;
};
