#pragma once
// A header control: wrappers of the HDM_ messages. Owner-drawn items are painted in DrawItem,
// reached through the parent's WM_DRAWITEM reflected to this object.
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/CWnd.h"
#include "platform/base/WinControls.h"

class CImageList;

class CHeaderCtrl : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create(WC_HEADERA, "", style, rect, parent, id);
    }
    int GetItemCount() const { return Send(HDM_GETITEMCOUNT); }
    int InsertItem(int index, HDITEMA* item) {
        return Send(HDM_INSERTITEMA, Index(index), Ptr(item));
    }
    BOOL DeleteItem(int index) { return Send(HDM_DELETEITEM, Index(index)); }
    BOOL GetItem(int index, HDITEMA* item) const {
        return item ? Send(HDM_GETITEMA, Index(index), Ptr(item)) : FALSE;
    }
    BOOL SetItem(int index, HDITEMA* item) {
        return item ? Send(HDM_SETITEMA, Index(index), Ptr(item)) : FALSE;
    }
    BOOL GetItemRect(int index, RECT* rect) const {
        return rect ? Send(HDM_GETITEMRECT, Index(index), Ptr(rect)) : FALSE;
    }
    int OrderToIndex(int order) const { return Send(HDM_ORDERTOINDEX, Index(order)); }
    BOOL GetOrderArray(int* order, int count) const {
        return order ? Send(HDM_GETORDERARRAY, Index(count), Ptr(order)) : FALSE;
    }
    BOOL SetOrderArray(int count, int* order) {
        return order ? Send(HDM_SETORDERARRAY, Index(count), Ptr(order)) : FALSE;
    }
    BOOL Layout(HDLAYOUT* layout) { return layout ? Send(HDM_LAYOUT, 0, Ptr(layout)) : FALSE; }
    // The wrapper of the list the header draws from; null when it has none.
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* images);
    virtual void DrawItem(DRAWITEMSTRUCT*) {}

    DECLARE_MESSAGE_MAP()

  private:
    int Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(SendMessage(msg, wParam, lParam));
    }
    static WPARAM Index(int index) { return static_cast<WPARAM>(index); }
    template <class T> static LPARAM Ptr(T* p) { return reinterpret_cast<LPARAM>(p); }
};
