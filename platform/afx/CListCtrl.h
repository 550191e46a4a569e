#pragma once
// A report-view list control ("SysListView32").
#include "platform/afx/CEdit.h"
#include "platform/afx/CWnd.h"
#include "platform/base/CommCtrl.h"

#include <string>

class CHeaderCtrl;

class CListCtrl : public CWnd {
  public:
    CListCtrl() = default;
    ~CListCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
    BOOL SetColumnWidth(int column, int width) {
        return Send(LVM_SETCOLUMNWIDTH, Index(column), MAKELPARAM(width, 0)) != 0;
    }
    int GetColumnWidth(int column) const { return Send(LVM_GETCOLUMNWIDTH, Index(column)); }
    // Display order of the columns, read and written through the header.
    BOOL SetColumnOrderArray(int count, const int* order);

    int GetItemCount() const { return Send(LVM_GETITEMCOUNT); }
    int InsertItem(int row, const char* text);
    int InsertItem(const LVITEMA* item) { return Send(LVM_INSERTITEMA, 0, Param(item)); }
    BOOL DeleteItem(int row) { return Send(LVM_DELETEITEM, Index(row)) != 0; }
    BOOL DeleteAllItems() { return Send(LVM_DELETEALLITEMS) != 0; }
    // Makes room for as many rows before a long list is filled.
    BOOL SetItemCount(int count) { return Send(LVM_SETITEMCOUNT, Index(count)) != 0; }
    BOOL SetItemText(int row, int column, const char* text);
    // Empty for a row or column out of range.
    std::string GetItemText(int row, int column) const;
    BOOL SetItemData(int row, DWORD_PTR data);
    // 0 for a row out of range.
    DWORD_PTR GetItemData(int row) const;
    BOOL SetItemState(int row, UINT state, UINT mask);
    UINT GetItemState(int row, UINT mask) const {
        return static_cast<UINT>(Send(LVM_GETITEMSTATE, Index(row), static_cast<LPARAM>(mask)));
    }
    int GetNextItem(int start, UINT flags) const {
        return Send(LVM_GETNEXTITEM, Index(start), static_cast<LPARAM>(flags));
    }
    int GetSelectedCount() const { return Send(LVM_GETSELECTEDCOUNT); }
    // The first selected row, -1 when none: stands for the position walk of the framework.
    int GetFirstSelectedItem() const { return GetNextItem(-1, LVNI_SELECTED); }
    int GetTopIndex() const { return Send(LVM_GETTOPINDEX); }
    int GetCountPerPage() const { return Send(LVM_GETCOUNTPERPAGE); }
    BOOL EnsureVisible(int row, BOOL partialOk = FALSE) {
        return Send(LVM_ENSUREVISIBLE, Index(row), partialOk) != 0;
    }

    BOOL GetItemRect(int row, RECT* rect, int area) const;
    BOOL GetSubItemRect(int row, int column, int area, RECT& rect) const;
    int SubItemHitTest(LVHITTESTINFO* info) const {
        return info ? Send(LVM_SUBITEMHITTEST, 0, Param(info)) : -1;
    }
    int HitTest(LVHITTESTINFO* info) const { return info ? Send(LVM_HITTEST, 0, Param(info)) : -1; }

    DWORD SetExtendedStyle(DWORD style) {
        return static_cast<DWORD>(
            Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
    }
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE));
    }

    HWND GetHeaderWindow() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
    CEdit* EditLabel(int row);
    // The label editor while one is open, else null.
    CEdit* GetEditControl() const;

  protected:
    int Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(SendMessage(msg, wParam, lParam));
    }
    static WPARAM Index(int index) { return static_cast<WPARAM>(index); }
    template <class T> static LPARAM Param(T* p) { return reinterpret_cast<LPARAM>(p); }

  private:
    CEdit* WrapEditor(HWND window) const;

    mutable CEdit editor; // attached to the label editor while it lives
};
