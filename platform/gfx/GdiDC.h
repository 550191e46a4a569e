#pragma once
// Device contexts: creation, saved states, colours, modes, origins and clipping.
// Logical coordinates are device coordinates plus the window origin minus the viewport origin.
#include "platform/base/GdiTypes.h"

// A memory DC holding a 1 x 1 default bitmap; hdc may be null.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
// Level of the saved state, 0 on failure.
int SaveDC(HDC hdc);
// A positive level restores that state; a negative one counts back from the latest.
BOOL RestoreDC(HDC hdc, int level);

COLORREF SetTextColor(HDC hdc, COLORREF colour);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF colour);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous);

// NULLREGION, SIMPLEREGION or COMPLEXREGION with the box in logical coordinates; ERROR on
// a bad DC.
int GetClipBox(HDC hdc, RECT* box);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
