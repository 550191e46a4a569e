#include "platform/ctl/ListBoxControl.h"

#include "platform/base/WinControls.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/PaintedControl.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <cstring>

namespace ctl {

namespace {

constexpr int MaxItemHeight = 255;

} // namespace

ATOM ListBoxControl::Register() {
    return ControlMap<ListBoxControl>::RegisterBuiltin(CS_DBLCLKS);
}

ListBoxControl::ListBoxControl(HWND window, bool keepsCapture)
    : hwnd(window), style(StyleOf(window)), wantStrip((style & WS_VSCROLL) != 0),
      keepCapture(keepsCapture), colourTarget(GetParent(window)),
      scroller(window, *this, keepsCapture) {}

LRESULT ListBoxControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= LB_ADDSTRING && msg <= LB_ITEMFROMPOINT) {
        return ListMessage(msg, wParam, lParam);
    }
    LRESULT result = 0;
    if (scroller.Message(msg, wParam, lParam, result) ||
        PaintMessage(hwnd, msg, result, [this](HDC dc) { Paint(dc); }) ||
        FontMessage(msg, wParam, lParam, font, result, [this](bool now) { FontChanged(now); })) {
        return result;
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        return Mouse(msg, lParam);
    case WM_KEYDOWN:
    case WM_CHAR:
        return Keys(msg, wParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focus(msg == WM_SETFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return WindowMessage(msg, wParam, lParam);
    }
}

LRESULT ListBoxControl::WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        Create();
        return 0;
    case WM_WINDOWPOSCHANGING:
        AdjustHeight(reinterpret_cast<WINDOWPOS*>(lParam));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        SetTop(top);
        UpdateStrip();
        return 0;
    case WM_SETREDRAW:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        Redraw(wParam != 0);
        return 0;
    case WM_ENABLE:
    case WM_SYSCOLORCHANGE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ListBoxControl::Mouse(UINT msg, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(PointOf(lParam), msg == WM_LBUTTONDBLCLK);
        break;
    case WM_MOUSEMOVE:
        if (tracking) {
            Drag(PointOf(lParam));
        }
        break;
    case WM_LBUTTONUP:
        Release();
        break;
    default: // WM_CAPTURECHANGED
        tracking = false;
        break;
    }
    return 0;
}

LRESULT ListBoxControl::Keys(UINT msg, WPARAM wParam) {
    if (msg == WM_KEYDOWN) {
        Key(static_cast<UINT>(wParam));
    } else {
        TypeAhead(static_cast<char>(wParam));
    }
    return 0;
}

// ---- LB_ messages

LRESULT ListBoxControl::ListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (msg) {
    case LB_ADDSTRING:
        return AddOrInsert(-2, lParam);
    case LB_INSERTSTRING:
        return AddOrInsert(index < -1 ? -1 : index, lParam);
    case LB_DELETESTRING:
        return Delete(index);
    case LB_RESETCONTENT:
        Reset();
        return LB_OKAY;
    case LB_GETCOUNT:
        return Count();
    case LB_GETTEXT:
        return GetText(index, lParam);
    case LB_GETTEXTLEN:
        return TextLength(index);
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING:
        return FindText(msg, index, reinterpret_cast<const char*>(lParam));
    default:
        return SelectionMessage(msg, index, lParam);
    }
}

LRESULT ListBoxControl::SelectionMessage(UINT msg, int index, LPARAM lParam) {
    switch (msg) {
    case LB_SETCURSEL:
        return SetCurSel(index);
    case LB_GETCURSEL:
        return sel;
    case LB_GETSEL:
        return items.Valid(index) ? (index == sel ? 1 : 0) : LB_ERR;
    case LB_SETTOPINDEX:
        return SetTopIndex(index);
    case LB_GETTOPINDEX:
        return top;
    case LB_SETCARETINDEX:
        return items.Valid(index) ? (EnsureVisible(index), LB_OKAY) : LB_ERR;
    case LB_GETCARETINDEX:
        return Count() > 0 ? FocusItem() : 0;
    default:
        return ItemMessage(msg, index, lParam);
    }
}

LRESULT ListBoxControl::ItemMessage(UINT msg, int index, LPARAM lParam) {
    switch (msg) {
    case LB_GETITEMRECT:
        return GetRect(index, lParam);
    case LB_SETITEMDATA:
        if (!items.Valid(index)) {
            return LB_ERR;
        }
        items.SetData(index, static_cast<UINT_PTR>(lParam));
        return LB_OKAY;
    case LB_GETITEMDATA:
        return items.Valid(index) ? static_cast<LRESULT>(items.Data(index)) : LB_ERR;
    case LB_GETITEMHEIGHT:
        return itemHeight;
    case LB_SETITEMHEIGHT:
        return SetItemHeight(lParam);
    case LB_ITEMFROMPOINT:
        return FromPoint(lParam);
    default:
        return LB_ERR;
    }
}

// index -2 adds (sorted under LBS_SORT), -1 appends, else inserts there.
LRESULT ListBoxControl::AddOrInsert(int index, LPARAM data) {
    const char* text = HasStrings() ? reinterpret_cast<const char*>(data) : "";
    const std::string_view view = text ? text : "";
    const int at =
        index == -2 ? items.Add(view, (style & LBS_SORT) != 0) : items.Insert(index, view);
    if (at < 0) {
        return index > Count() ? LB_ERR : LB_ERRSPACE;
    }
    if (!HasStrings()) {
        items.SetData(at, static_cast<UINT_PTR>(data));
    }
    sel += (sel >= at) ? 1 : 0;
    UpdateStrip();
    if (at < top + PageSize() + 1) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return at;
}

LRESULT ListBoxControl::Delete(int index) {
    if (!items.Erase(index)) {
        return LB_ERR;
    }
    sel = sel == index ? -1 : sel - (sel > index ? 1 : 0);
    SetTop(top);
    UpdateStrip();
    InvalidateRect(hwnd, nullptr, TRUE);
    return Count();
}

void ListBoxControl::Reset() {
    items.Clear();
    sel = -1;
    top = 0;
    UpdateStrip();
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT ListBoxControl::GetText(int index, LPARAM buffer) const {
    auto* out = reinterpret_cast<char*>(buffer);
    if (!items.Valid(index) || !out) {
        return LB_ERR;
    }
    if (!HasStrings()) {
        const UINT_PTR data = items.Data(index);
        std::memcpy(out, &data, sizeof(data));
        return sizeof(data);
    }
    const std::string& t = items.Text(index);
    std::memcpy(out, t.c_str(), t.size() + 1);
    return static_cast<LRESULT>(t.size());
}

LRESULT ListBoxControl::TextLength(int index) const {
    if (!items.Valid(index)) {
        return LB_ERR;
    }
    return static_cast<LRESULT>(HasStrings() ? items.Text(index).size() : sizeof(UINT_PTR));
}

LRESULT ListBoxControl::FindText(UINT msg, int after, const char* text) {
    const int found =
        text && HasStrings() ? items.Find(after, text, msg == LB_FINDSTRINGEXACT) : -1;
    if (msg == LB_SELECTSTRING && found >= 0) {
        Select(found, false);
    }
    return found >= 0 ? found : LB_ERR;
}

LRESULT ListBoxControl::SetCurSel(int index) {
    if (!items.Valid(index)) {
        Select(-1, false);
        return LB_ERR;
    }
    Select(index, false);
    return index;
}

LRESULT ListBoxControl::SetTopIndex(int index) {
    if (!items.Valid(index) && !(index == 0 && Count() == 0)) {
        return LB_ERR;
    }
    SetTop(index);
    return LB_OKAY;
}

// The nearest entry, flagged when the point lies outside the entries.
LRESULT ListBoxControl::FromPoint(LPARAM point) const {
    const POINT p = PointOf(point);
    if (Count() == 0) {
        return ItemFromPointResult(0, true);
    }
    int index = 0;
    const bool inside = ItemAt(p, &index);
    if (!inside) {
        const int row =
            p.y < 0 ? 0 : std::min(p.y, static_cast<LONG>(ClientHeight() - 1)) / itemHeight;
        index = std::clamp(top + row, 0, Count() - 1);
    }
    return ItemFromPointResult(index, !inside);
}

LRESULT ListBoxControl::GetRect(int index, LPARAM rect) const {
    auto* out = reinterpret_cast<RECT*>(rect);
    if (!out || !(items.Valid(index) || (index == 0 && Count() == 0))) {
        return LB_ERR;
    }
    *out = ItemRect(index);
    return LB_OKAY;
}

LRESULT ListBoxControl::SetItemHeight(LPARAM height) {
    const int h = LOWORD(static_cast<WPARAM>(height));
    if (h < 1 || h > MaxItemHeight) {
        return LB_ERR;
    }
    itemHeight = h;
    FitHeight();
    SetTop(top);
    UpdateStrip();
    InvalidateRect(hwnd, nullptr, TRUE);
    return LB_OKAY;
}

// ---- geometry and fonts

void ListBoxControl::Create() {
    itemHeight = MeasureFont();
    if (OwnerDraw()) {
        MEASUREITEMSTRUCT m;
        m.CtlType = ODT_LISTBOX;
        m.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        m.itemWidth = static_cast<UINT>(ClientWidth());
        m.itemHeight = static_cast<UINT>(itemHeight);
        SendMessageA(GetParent(hwnd), WM_MEASUREITEM, m.CtlID, reinterpret_cast<LPARAM>(&m));
        itemHeight = std::clamp(static_cast<int>(m.itemHeight), 1, MaxItemHeight);
    }
    FitHeight();
    UpdateStrip();
}

int ListBoxControl::MeasureFont() const {
    return std::clamp(FontHeight(hwnd, font, 16), 1, MaxItemHeight);
}

void ListBoxControl::FontChanged(bool redrawNow) {
    if (!OwnerDraw()) {
        itemHeight = MeasureFont();
        FitHeight();
    }
    SetTop(top);
    UpdateStrip();
    if (redrawNow) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// Without LBS_NOINTEGRALHEIGHT the client area holds whole entries only.
void ListBoxControl::AdjustHeight(WINDOWPOS* pos) const {
    if (!pos || (style & LBS_NOINTEGRALHEIGHT) || (pos->flags & SWP_NOSIZE)) {
        return;
    }
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const int frame = (wr.bottom - wr.top) - ClientHeight();
    const int client = pos->cy - frame;
    if (client > itemHeight) {
        pos->cy = frame + client / itemHeight * itemHeight;
    }
}

void ListBoxControl::FitHeight() {
    if (!(style & LBS_NOINTEGRALHEIGHT)) {
        RECT wr;
        GetWindowRect(hwnd, &wr);
        SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, wr.bottom - wr.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int ListBoxControl::ClientWidth() const {
    RECT r;
    GetClientRect(hwnd, &r);
    return r.right;
}

int ListBoxControl::ClientHeight() const {
    RECT r;
    GetClientRect(hwnd, &r);
    return r.bottom;
}

int ListBoxControl::PageSize() const {
    return std::max(1, ClientHeight() / itemHeight);
}

int ListBoxControl::MaxTop() const {
    return std::max(0, Count() - PageSize());
}

RECT ListBoxControl::ItemRect(int index) const {
    const int y = (index - top) * itemHeight;
    return {0, y, ClientWidth(), y + itemHeight};
}

bool ListBoxControl::ItemAt(POINT p, int* index) const {
    if (p.x < 0 || p.x >= ClientWidth() || p.y < 0 || p.y >= ClientHeight()) {
        return false;
    }
    const int i = top + p.y / itemHeight;
    if (i >= Count()) {
        return false;
    }
    *index = i;
    return true;
}

void ListBoxControl::SetTop(int index) {
    const int next = std::clamp(index, 0, MaxTop());
    if (next != top) {
        top = next;
        InvalidateRect(hwnd, nullptr, TRUE);
        scroller.Changed();
    }
}

void ListBoxControl::EnsureVisible(int index) {
    if (index < top) {
        SetTop(index);
    } else if (index >= top + PageSize()) {
        SetTop(index - PageSize() + 1);
    }
}

bool ListBoxControl::Select(int index, bool notify) {
    const int old = sel;
    const int oldFocus = focused ? FocusItem() : -1;
    sel = items.Valid(index) ? index : -1;
    if (sel >= 0) {
        EnsureVisible(sel);
    }
    if (old == sel) {
        return true;
    }
    Refresh({old, oldFocus != old && oldFocus != sel ? oldFocus : -1, sel}, ODA_SELECT);
    if (notify && (style & LBS_NOTIFY)) {
        Notify(hwnd, LBN_SELCHANGE);
    }
    return IsWindow(hwnd) != FALSE;
}

// ---- drawing

HBRUSH ListBoxControl::PrepareDC(HDC dc) const {
    if (font) {
        SelectObject(dc, font);
    }
    const auto wp = reinterpret_cast<WPARAM>(dc);
    const auto lp = reinterpret_cast<LPARAM>(hwnd);
    LRESULT brush =
        IsWindow(colourTarget) ? SendMessageA(colourTarget, WM_CTLCOLORLISTBOX, wp, lp) : 0;
    if (!brush) {
        brush = DefWindowProcA(hwnd, WM_CTLCOLORLISTBOX, wp, lp);
    }
    return reinterpret_cast<HBRUSH>(brush);
}

void ListBoxControl::Paint(HDC dc) {
    const HBRUSH back = PrepareDC(dc);
    if (!IsWindow(hwnd)) {
        return;
    }
    RECT all;
    GetClientRect(hwnd, &all);
    FillRect(dc, &all, back);
    const int last = std::min(Count(), top + PageSize() + 1);
    for (int i = top; i < last && IsWindow(hwnd); ++i) {
        DrawItem(dc, i, ODA_DRAWENTIRE, back);
    }
}

// Redraws entries at once, outside the paint cycle, as selection and focus change.
void ListBoxControl::Refresh(std::initializer_list<int> indexes, UINT action) {
    if (!redraw || !IsWindowVisible(hwnd)) {
        return;
    }
    HDC dc = GetDC(hwnd);
    const HBRUSH back = PrepareDC(dc);
    for (int i : indexes) {
        if (IsWindow(hwnd) && items.Valid(i) && i >= top && i <= top + PageSize()) {
            DrawItem(dc, i, action, back);
        }
    }
    ReleaseDC(hwnd, dc);
}

void ListBoxControl::DrawItem(HDC dc, int index, UINT action, HBRUSH back) const {
    UINT state = index == sel ? ODS_SELECTED : 0;
    state |= focused && index == FocusItem() ? ODS_FOCUS : 0;
    state |= IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED;
    const RECT r = ItemRect(index);
    if (!OwnerDraw()) {
        DrawOwnItem(dc, r, index, state, back);
        return;
    }
    DRAWITEMSTRUCT d;
    d.CtlType = ODT_LISTBOX;
    d.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    d.itemID = static_cast<UINT>(index);
    d.itemAction = action;
    d.itemState = state;
    d.hwndItem = hwnd;
    d.hDC = dc;
    d.rcItem = r;
    d.itemData = items.Data(index);
    const int saved = SaveDC(dc);
    SendMessageA(GetParent(hwnd), WM_DRAWITEM, d.CtlID, reinterpret_cast<LPARAM>(&d));
    RestoreDC(dc, saved);
}

void ListBoxControl::DrawOwnItem(HDC dc, const RECT& r, int index, UINT state, HBRUSH back) const {
    const bool selected = (state & ODS_SELECTED) != 0;
    const COLORREF text = GetTextColor(dc);
    FillRect(dc, &r, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : back);
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (state & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT)
                     : selected             ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                            : text);
    RECT t{r.left + 2, r.top, r.right - 1, r.bottom};
    const std::string& s = items.Text(index);
    DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &t,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    RestoreDC(dc, saved);
    if (state & ODS_FOCUS) {
        DrawFocusRect(dc, &r);
    }
}

void ListBoxControl::Focus(bool on) {
    focused = on;
    if (Count() > 0) {
        Refresh({FocusItem()}, ODA_FOCUS);
    }
    if (IsWindow(hwnd) && (style & LBS_NOTIFY)) {
        Notify(hwnd, on ? LBN_SETFOCUS : LBN_KILLFOCUS);
    }
}

void ListBoxControl::Redraw(bool on) {
    const bool was = redraw;
    redraw = on;
    if (on && !was) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
}

// ---- keyboard and mouse

void ListBoxControl::Key(UINT vk) {
    const int n = Count();
    if (n == 0) {
        return;
    }
    const int step = std::max(1, PageSize() - 1);
    const int cur = sel;
    int next = cur;
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        next = cur < 0 ? 0 : cur - 1;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        next = cur < 0 ? 0 : cur + 1;
        break;
    case VK_PRIOR:
        next = cur < 0 ? 0 : cur - step;
        break;
    case VK_NEXT:
        next = cur < 0 ? 0 : cur + step;
        break;
    case VK_HOME:
        next = 0;
        break;
    case VK_END:
        next = n - 1;
        break;
    default:
        return;
    }
    Select(std::clamp(next, 0, n - 1), true);
}

void ListBoxControl::TypeAhead(char c) {
    if (static_cast<unsigned char>(c) < 0x20 || !HasStrings()) {
        return;
    }
    const int found = items.Find(sel, std::string_view(&c, 1), false);
    if (found >= 0) {
        Select(found, true);
    }
}

void ListBoxControl::Press(POINT p, bool dbl) {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    if (!IsWindow(hwnd)) {
        return;
    }
    tracking = true;
    SetCapture(hwnd);
    Drag(p);
    if (dbl && IsWindow(hwnd) && (style & LBS_NOTIFY)) {
        Notify(hwnd, LBN_DBLCLK);
    }
}

// While the button is held the selection follows the pointer, scrolling past the edges.
void ListBoxControl::Drag(POINT p) {
    if (Count() == 0) {
        return;
    }
    int index = 0;
    if (p.y < 0) {
        index = top - 1;
    } else if (p.y >= ClientHeight()) {
        index = top + PageSize();
    } else {
        index = top + p.y / itemHeight;
    }
    Select(std::clamp(index, 0, Count() - 1), true);
}

void ListBoxControl::Release() {
    if (tracking) {
        tracking = false;
        if (GetCapture() == hwnd && !keepCapture) {
            ReleaseCapture();
        }
    }
}

// The strip shows only while the entries do not fit (always under LBS_DISABLENOSCROLL).
void ListBoxControl::UpdateStrip() {
    scroller.Update(wantStrip, (style & LBS_DISABLENOSCROLL) != 0);
}

} // namespace ctl
