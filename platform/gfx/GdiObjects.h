#pragma once
// Pens, brushes, fonts and bitmaps behind checked handles. A stale, foreign or deleted
// handle fails; deleting a stock object is harmless; deleting a selected object is
// deferred until it is no longer selected anywhere.
#include "platform/base/GdiTypes.h"

HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
HFONT CreateFontIndirectA(const LOGFONTA* font);
// Always 32 bits per pixel; 0 x 0 gives an empty bitmap, a negative size fails.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
// 32 bits per pixel only; bits are rows of 0x00RRGGBB values, top row first; null = black.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
BOOL DeleteObject(HGDIOBJ object);
// Size of the record written (LOGPEN, LOGBRUSH, LOGFONTA, BITMAP); with a null buffer the
// size needed; 0 on failure.
int GetObjectA(HGDIOBJ object, int size, void* buffer);
DWORD GetObjectType(HGDIOBJ object);
HGDIOBJ GetStockObject(int index);
// Returns the object replaced; null on failure (bitmaps go only into memory DCs, and a
// bitmap can be selected into one DC at a time).
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC hdc, UINT kind);
