#pragma once
// A list box control. Owner-drawn lists paint and measure in DrawItem / MeasureItem, reached
// through the parent's messages reflected to this object.
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/CWnd.h"
#include "platform/base/WinControls.h"

#include <string>

class CListBox : public CWnd {
  public:
    int AddString(const char* text) { return Send(LB_ADDSTRING, 0, Text(text)); }
    int InsertString(int index, const char* text) {
        return Send(LB_INSERTSTRING, Index(index), Text(text));
    }
    int DeleteString(UINT index) { return Send(LB_DELETESTRING, index); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return Send(LB_GETCOUNT); }
    // Empty for an index out of range.
    void GetText(int index, std::string& text) const;
    int GetTextLen(int index) const { return Send(LB_GETTEXTLEN, Index(index)); }
    int FindString(int startAfter, const char* text) const {
        return Send(LB_FINDSTRING, Index(startAfter), Text(text));
    }
    int FindStringExact(int startAfter, const char* text) const {
        return Send(LB_FINDSTRINGEXACT, Index(startAfter), Text(text));
    }
    int SetCurSel(int index) { return Send(LB_SETCURSEL, Index(index)); }
    int GetCurSel() const { return Send(LB_GETCURSEL); }
    int GetTopIndex() const { return Send(LB_GETTOPINDEX); }
    int SetTopIndex(int index) { return Send(LB_SETTOPINDEX, Index(index)); }
    int GetItemHeight(int index) const { return Send(LB_GETITEMHEIGHT, Index(index)); }
    int SetItemHeight(int index, UINT height) {
        return Send(LB_SETITEMHEIGHT, Index(index), static_cast<LPARAM>(height));
    }
    int GetItemRect(int index, RECT* rect) const {
        return rect ? Send(LB_GETITEMRECT, Index(index), reinterpret_cast<LPARAM>(rect)) : LB_ERR;
    }
    // The item nearest the client point; outside is set when the point is on none.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;
    int SetItemData(int index, DWORD_PTR data) {
        return Send(LB_SETITEMDATA, Index(index), static_cast<LPARAM>(data));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, Index(index)));
    }

    virtual void DrawItem(DRAWITEMSTRUCT*) {}
    virtual void MeasureItem(MEASUREITEMSTRUCT*) {}

  protected:
    int Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(SendMessage(msg, wParam, lParam));
    }
    static WPARAM Index(int index) { return static_cast<WPARAM>(index); }
    static LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text ? text : ""); }

    DECLARE_MESSAGE_MAP()
};
