#pragma once
// What every built-in control does the same way: asking its parent for colours, telling it
// about events, reading its own style, and a few classic drawing pieces.
#include "platform/base/WinControls.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WinUser.h"

namespace ctl {

DWORD StyleOf(HWND hwnd);
RECT ClientRectOf(HWND hwnd);
bool HasFocus(HWND hwnd);

// Sends the colour request to the parent (the default answer without one) and returns the
// brush; the parent may also have set the text and background colours on dc.
HBRUSH AskColour(HWND hwnd, HDC dc, UINT msg);

// WM_COMMAND to the parent with the control's id and a notification code.
void Notify(HWND hwnd, UINT code);

// Selects font into dc unless it is null (then the DC keeps the system font).
void UseFont(HDC dc, HFONT font);

// The height of font (the system font when null) on hwnd's screen; fallback when it cannot
// be measured.
int FontHeight(HWND hwnd, HFONT font, int fallback);

// The classic 50% pattern of two colours, as scroll bar tracks show it.
void FillDither(HDC dc, const RECT& r, COLORREF a, COLORREF b);

// A solid triangle pointing up, down, left or right, centred in r; rows = its height.
enum class Arrow { Up, Down, Left, Right };
void DrawArrowGlyph(HDC dc, const RECT& r, Arrow direction, int rows, COLORREF colour);

} // namespace ctl
