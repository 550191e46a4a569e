#pragma once
// The message box of the built-in controls (defined with them, in platform/ctl).
#include "platform/base/WinControls.h"

// Modal to owner; returns the id of the button that closed it.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
