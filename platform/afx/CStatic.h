#pragma once
// A static control.
#include "platform/afx/CWnd.h"

class CStatic : public CWnd {
  public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF) {
        return CWnd::Create("static", text, style, rect, parent, id);
    }
};
