#pragma once
// The user32 scroll calls for scroll bar controls (SB_CTL). Window scroll bars (SB_HORZ,
// SB_VERT) do not exist on this platform: those calls fail or answer 0.
#include "platform/base/WinControls.h"
#include "platform/win/WinUser.h"

// The new position.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
// The previous position.
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max);
