#pragma once
// An owned bitmap.
#include "platform/afx/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
  public:
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL GetBitmap(BITMAP* bitmap) const {
        return bitmap && GetObject(sizeof(BITMAP), bitmap) == static_cast<int>(sizeof(BITMAP));
    }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP bitmap) { return FromHandleAs<CBitmap>(bitmap, OBJ_BITMAP); }
};
