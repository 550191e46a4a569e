#pragma once
// An owned font.
#include "platform/afx/CGdiObject.h"

class CFont : public CGdiObject {
  public:
    BOOL CreateFontIndirect(const LOGFONTA* font) {
        return font ? Attach(::CreateFontIndirectA(font)) : FALSE;
    }
    BOOL GetLogFont(LOGFONTA* font) const {
        return font && GetObject(sizeof(LOGFONTA), font) == static_cast<int>(sizeof(LOGFONTA));
    }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT font) { return FromHandleAs<CFont>(font, OBJ_FONT); }
};
