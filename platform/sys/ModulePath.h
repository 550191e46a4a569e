#pragma once
// Where the running program lives on disk.
#include "platform/base/WinDef.h"

// For a null module: the full path of this process's executable, '/'-separated. The text
// is cut to size - 1 bytes and terminated; the result is its length, or size when it was
// cut. Any other module is unknown here: 0 and an empty text.
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);
