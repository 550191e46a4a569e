#pragma once
// The "ListBox" control: single selection, unsorted or LBS_SORT, owner-drawn fixed items with
// or without strings, integral height unless LBS_NOINTEGRALHEIGHT, and a classic scroll bar in
// its WS_VSCROLL strip that shows only when the entries do not fit.
#include "platform/base/WinControls.h"
#include "platform/ctl/ControlMap.h"
#include "platform/ctl/ListItems.h"
#include "platform/ctl/ScrollStrip.h"

#include <initializer_list>

namespace ctl {

class ListBoxControl {
  public:
    static constexpr const char* ClassName = "ListBox";
    static ATOM Register();

    explicit ListBoxControl(HWND hwnd);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  protected:
    // What the drop-down list of a combo box builds on.
    int Count() const { return items.Count(); }
    int CurSel() const { return sel; }
    int PageSize() const;
    // Selects (-1: none) and scrolls it into view; notify sends LBN_SELCHANGE under
    // LBS_NOTIFY when it changed. False when the window was destroyed meanwhile.
    bool Select(int index, bool notify);
    // The entry under a client point; false outside the entries.
    bool ItemAt(POINT p, int* index) const;
    void SetColourTarget(HWND target) { colourTarget = target; }
    bool Scrolling() const { return scrollPart != ScrollStrip::Part::None; }
    // A press at a client point in the strip right of the client area.
    void ScrollPress(POINT p);
    // While set the list never releases the capture it did not take (the combo holds it).
    bool keepCapture = false;
    HWND hwnd;

  private:
    LRESULT ListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT AddOrInsert(int index, LPARAM data);
    LRESULT Delete(int index);
    LRESULT GetText(int index, LPARAM buffer) const;
    LRESULT FromPoint(LPARAM point) const;
    LRESULT GetRect(int index, LPARAM rect) const;
    LRESULT SetItemHeight(LPARAM height);
    void Reset();

    void Create();
    int MeasureFont() const;
    void SetFont(HFONT f, bool redrawNow);
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

    HBRUSH PrepareDC(HDC dc) const;
    void Paint();
    void Refresh(std::initializer_list<int> indexes, UINT action);
    void DrawItem(HDC dc, int index, UINT action, HBRUSH back) const;
    void DrawOwnItem(HDC dc, const RECT& r, int index, UINT state, HBRUSH back) const;
    void Focus(bool on);
    void Redraw(bool on);

    void Key(UINT vk);
    void TypeAhead(char c);
    void Press(LPARAM point, bool dbl);
    void Drag(LPARAM point);
    void Release();
    void Scroll(int code, int position);
    void Wheel(int delta);

    ScrollStrip Strip() const;
    bool HasStrip() const;
    void UpdateStrip();
    void PaintStrip() const;
    void ScrollStep();
    void ScrollDrag(POINT p);
    void EndScroll();

    DWORD style;
    bool wantStrip;
    ListItems items;
    int sel = -1;
    int top = 0;
    int itemHeight = 1;
    HFONT font = nullptr;
    bool focused = false;
    bool redraw = true;
    bool tracking = false;
    int wheelRest = 0;
    HWND colourTarget;
    ScrollStrip::Part scrollPart = ScrollStrip::Part::None;
    int thumbGrab = 0;
};

} // namespace ctl
