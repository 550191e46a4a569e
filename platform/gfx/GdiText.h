#pragma once
// Text output and measuring. Strings are bytes decoded as UTF-8 for display; invalid or
// cut sequences show as a replacement character. A count of -1 means up to the terminator.
#include "platform/base/GdiTypes.h"

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx);
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count);
// Returns the text height, or with DT_VCENTER / DT_BOTTOM the offset from the top to the
// bottom of the text; 0 on failure.
int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, SIZE* size);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);

namespace gfx {

// Dialog base units of a font: the average width of "A".."Z" "a".."z" and the height.
SIZE DialogBaseUnits(HFONT font);

} // namespace gfx
