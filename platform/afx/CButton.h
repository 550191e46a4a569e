#pragma once
// A button control. An owner-drawn button paints in DrawItem, reached through the parent's
// WM_DRAWITEM reflected to this object.
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/CWnd.h"
#include "platform/base/WinControls.h"

class CButton : public CWnd {
  public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create("button", text, style, rect, parent, id);
    }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL pushed) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) {
        SendMessage(BM_SETSTYLE, style, static_cast<LPARAM>(redraw));
    }
    virtual void DrawItem(DRAWITEMSTRUCT*) {}

    DECLARE_MESSAGE_MAP()
};
