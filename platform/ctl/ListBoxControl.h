#pragma once
// The "ListBox" control: single selection, unsorted or LBS_SORT, owner-drawn fixed items with
// or without strings, integral height unless LBS_NOINTEGRALHEIGHT, and a classic scroll bar in
// its WS_VSCROLL strip that shows only when the entries do not fit.
#include "platform/base/WinControls.h"
#include "platform/ctl/ControlMap.h"
#include "platform/ctl/ListItems.h"
#include "platform/ctl/ListScroller.h"

#include <initializer_list>

namespace ctl {

class ListBoxControl : private ListScroller::Rows {
  public:
    static constexpr const char* ClassName = "ListBox";
    static ATOM Register();

    explicit ListBoxControl(HWND window) : ListBoxControl(window, false) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  protected:
    // What the drop-down list of a combo box builds on. keepCapture: the list never releases
    // a capture it did not take (the combo holds it).
    ListBoxControl(HWND window, bool keepsCapture);
    int Count() const { return items.Count(); }
    int CurSel() const { return sel; }
    int PageSize() const;
    // Selects (-1: none) and scrolls it into view; notify sends LBN_SELCHANGE under
    // LBS_NOTIFY when it changed. False when the window was destroyed meanwhile.
    bool Select(int index, bool notify);
    // The entry under a client point; false outside the entries.
    bool ItemAt(POINT p, int* index) const;
    void SetColourTarget(HWND target) { colourTarget = target; }
    bool Scrolling() const { return scroller.Tracking(); }
    // A press at a client point in the strip right of the client area.
    void ScrollPress(POINT p) { scroller.Press(p); }
    HWND hwnd;

  private:
    LRESULT WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Mouse(UINT msg, LPARAM lParam);
    LRESULT Keys(UINT msg, WPARAM wParam);

    LRESULT ListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT SelectionMessage(UINT msg, int index, LPARAM lParam);
    LRESULT ItemMessage(UINT msg, int index, LPARAM lParam);
    LRESULT AddOrInsert(int index, LPARAM data);
    LRESULT Delete(int index);
    LRESULT GetText(int index, LPARAM buffer) const;
    LRESULT TextLength(int index) const;
    LRESULT FindText(UINT msg, int after, const char* text);
    LRESULT SetCurSel(int index);
    LRESULT SetTopIndex(int index);
    LRESULT FromPoint(LPARAM point) const;
    LRESULT GetRect(int index, LPARAM rect) const;
    LRESULT SetItemHeight(LPARAM height);
    void Reset();

    void Create();
    int MeasureFont() const;
    void FontChanged(bool redrawNow);
    void AdjustHeight(WINDOWPOS* pos) const;
    void FitHeight();

    bool OwnerDraw() const { return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (style & LBS_HASSTRINGS) != 0; }
    int ClientWidth() const;
    int ClientHeight() const;
    RECT ItemRect(int index) const;
    int MaxTop() const;
    void SetTop(int index);
    void EnsureVisible(int index);
    int FocusItem() const { return sel >= 0 ? sel : 0; }
    void UpdateStrip();
    ListScroller::Span ScrollSpan() const override { return {Count(), PageSize(), top}; }
    void ScrollTo(int index) override { SetTop(index); }

    HBRUSH PrepareDC(HDC dc) const;
    void Paint(HDC dc);
    void Refresh(std::initializer_list<int> indexes, UINT action);
    void DrawItem(HDC dc, int index, UINT action, HBRUSH back) const;
    void DrawOwnItem(HDC dc, const RECT& r, int index, UINT state, HBRUSH back) const;
    void Focus(bool on);
    void Redraw(bool on);

    void Key(UINT vk);
    void TypeAhead(char c);
    void Press(POINT p, bool dbl);
    void Drag(POINT p);
    void Release();

    DWORD style;
    bool wantStrip;
    bool keepCapture;
    ListItems items;
    int sel = -1;
    int top = 0;
    int itemHeight = 1;
    HFONT font = nullptr;
    bool focused = false;
    bool redraw = true;
    bool tracking = false;
    HWND colourTarget;
    ListScroller scroller;
};

} // namespace ctl
