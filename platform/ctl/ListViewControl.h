#pragma once
// The "SysListView32" control in report view: a header child from creation, rows of column
// texts with an item parameter and selection/focus state, custom drawing through the parent,
// mouse, hover and key selection, label editing of column 0, and a classic vertical strip.
#include "platform/ctl/ControlMap.h"
#include "platform/ctl/ListScroller.h"
#include "platform/ctl/ListViewLayout.h"
#include "platform/ctl/ListViewRows.h"

#include <string>

namespace ctl {

class ListViewControl final : private ListScroller::Rows {
  public:
    static constexpr const char* ClassName = WC_LISTVIEWA;
    static ATOM Register();

    explicit ListViewControl(HWND hwnd);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Mouse(UINT msg, LPARAM lParam);
    LRESULT Keys(UINT msg, WPARAM wParam);
    void Timer(WPARAM id);

    LRESULT ListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT ViewMessage(UINT msg, int index, LPARAM lParam);
    LRESULT EditMessage(UINT msg, int index, LPARAM lParam);
    int SelectedCount() const;
    LRESULT RowMessage(UINT msg, int row, LPARAM lParam);
    LRESULT GeometryMessage(UINT msg, int row, LPARAM lParam);
    LRESULT ColumnMessage(UINT msg, int column, LPARAM lParam);
    LRESULT InsertItem(const LVITEMA* item);
    LRESULT GetItem(LVITEMA* item) const;
    LRESULT SetItem(const LVITEMA* item);
    LRESULT DeleteItem(int row);
    void DeleteAll();
    LRESULT ItemRect(int row, RECT* r) const;
    LRESULT SubItemRect(int row, RECT* r) const;
    LRESULT HitTest(LVHITTESTINFO* info, bool subItems) const;
    LRESULT SetExtendedStyle(DWORD mask, DWORD bits);

    void Create();
    void FontChanged(bool redrawNow);
    ListViewLayout Geometry() const;
    void Layout();
    void RowsChanged();
    void Paint(HDC dc, const RECT& dirty);
    void Erase(HDC dc) const;
    void Redraw(bool on);

    // State changes, each told to the parent with LVN_ITEMCHANGED.
    bool SetState(int row, UINT state, UINT mask);
    void ClearOthers(int row, UINT bits);
    void Select(int row);
    void SetText(int row, int column, const char* text);
    void ItemChanged(int row, UINT changed, UINT oldState);
    LRESULT SendNotify(NMHDR& hdr) const;
    NMHDR Header(UINT code) const;
    void RepaintRow(int row);

    void Press(POINT p, bool dbl);
    void Release(POINT p);
    void Hover(POINT p);
    void HoverTimer();
    void SendActivate(UINT code, POINT p) const;
    bool CellAt(POINT p, int* row, int* column) const;
    void Key(UINT vk);
    void TypeAhead(char c);

    LRESULT EditLabel(int row);
    void EndEdit(bool commit, HWND which);

    int PageSize() const { return ListViewLayout::PageSizeOf(hwnd, header, rowHeight); }
    void SetTop(int row);
    bool EnsureVisible(int row);
    void UpdateStrip();
    ListScroller::Span ScrollSpan() const override { return {rows.Count(), PageSize(), top}; }
    void ScrollTo(int row) override { SetTop(row); }

    HWND hwnd;
    HWND header = nullptr;
    HWND edit = nullptr;
    ListViewRows rows;
    DWORD exStyle = 0;
    HFONT font = nullptr;
    int rowHeight = 1;
    int top = 0;
    bool redraw = true;
    bool pressed = false;
    int editCandidate = -1;
    int editRow = -1;
    int hoverRow = -1;
    std::string typed;
    LONG typedAt = 0;
    ListScroller scroller{hwnd, *this};
};

} // namespace ctl
