#pragma once
// A scroll bar control.
#include "platform/afx/CWnd.h"
#include "platform/base/WinControls.h"

class CScrollBar : public CWnd {
  public:
    BOOL SetScrollInfo(SCROLLINFO* info, BOOL redraw = TRUE) {
        return info ? static_cast<BOOL>(SendMessage(SBM_SETSCROLLINFO, static_cast<WPARAM>(redraw),
                                                    reinterpret_cast<LPARAM>(info)))
                    : FALSE;
    }
    BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) {
        if (!info) {
            return FALSE;
        }
        info->cbSize = sizeof(SCROLLINFO);
        info->fMask = mask;
        return static_cast<BOOL>(SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    }
    int SetScrollPos(int pos, BOOL redraw = TRUE) {
        return static_cast<int>(
            SendMessage(SBM_SETPOS, static_cast<WPARAM>(pos), static_cast<LPARAM>(redraw)));
    }
    int GetScrollPos() const { return static_cast<int>(SendMessage(SBM_GETPOS)); }
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE) {
        SendMessage(redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(minPos),
                    static_cast<LPARAM>(maxPos));
    }
};
