#pragma once
// Icons with a transparency mask, and state drawing (normal or disabled look).
#include "platform/base/GdiTypes.h"

// colours: width x height, top row first; mask 1 = transparent, null = all opaque.
HICON CreateIconFromPixels(int width, int height, const COLORREF* colours, const BYTE* mask);
// The mask bitmap is white where transparent.
HICON CreateIconIndirect(const ICONINFO* info);
BOOL DestroyIcon(HICON icon);
// The hot spot is the centre. The caller deletes the two bitmaps. Zeros on failure.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int width, int height, UINT step,
                HBRUSH flickerFree, UINT flags);
// DST_ICON (data = icon), DST_TEXT and DST_PREFIXTEXT (data = text, wData = length or 0).
// Size 0 = natural size; the drawing is cut to the size given. DST_COMPLEX callbacks are not
// supported (FALSE).
BOOL DrawStateA(HDC hdc, HBRUSH brush, DRAWSTATEPROC proc, LPARAM data, WPARAM wData, int x, int y,
                int width, int height, UINT flags);
