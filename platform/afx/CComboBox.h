#pragma once
// A combo box control.
#include "platform/afx/CWnd.h"
#include "platform/base/WinControls.h"

#include <string>

class CComboBox : public CWnd {
  public:
    int AddString(const char* text) { return Send(CB_ADDSTRING, 0, Text(text)); }
    int InsertString(int index, const char* text) {
        return Send(CB_INSERTSTRING, Index(index), Text(text));
    }
    int DeleteString(UINT index) { return Send(CB_DELETESTRING, index); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return Send(CB_GETCOUNT); }
    // Empty for an index out of range.
    void GetLBText(int index, std::string& text) const;
    int GetLBTextLen(int index) const { return Send(CB_GETLBTEXTLEN, Index(index)); }
    int FindString(int startAfter, const char* text) const {
        return Send(CB_FINDSTRING, Index(startAfter), Text(text));
    }
    int FindStringExact(int startAfter, const char* text) const {
        return Send(CB_FINDSTRINGEXACT, Index(startAfter), Text(text));
    }
    int SetCurSel(int index) { return Send(CB_SETCURSEL, Index(index)); }
    int GetCurSel() const { return Send(CB_GETCURSEL); }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }
    BOOL GetDroppedState() const { return Send(CB_GETDROPPEDSTATE) != 0; }
    BOOL GetComboBoxInfo(COMBOBOXINFO* info) const {
        return info ? Send(CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)) : FALSE;
    }

  private:
    int Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(SendMessage(msg, wParam, lParam));
    }
    static WPARAM Index(int index) { return static_cast<WPARAM>(index); }
    static LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text ? text : ""); }
};
