#include "platform/ctl/ListBoxControl.h"

#include "platform/base/WinControls.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <cstring>

namespace ctl {

namespace {

constexpr UINT_PTR RepeatTimer = 0x5C01;
constexpr UINT FirstRepeat = 400;
constexpr UINT NextRepeat = 50;
constexpr int WheelLines = 3;
constexpr int MaxItemHeight = 255;

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

} // namespace

ATOM ListBoxControl::Register() {
    return ControlMap<ListBoxControl>::RegisterBuiltin(CS_DBLCLKS);
}

ListBoxControl::ListBoxControl(HWND window)
    : hwnd(window), style(StyleOf(window)), wantStrip((style & WS_VSCROLL) != 0),
      colourTarget(GetParent(window)) {}

LRESULT ListBoxControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= LB_ADDSTRING && msg <= LB_ITEMFROMPOINT) {
        return ListMessage(msg, wParam, lParam);
    }
    if (Scrolling() && (msg == WM_MOUSEMOVE || msg == WM_LBUTTONUP)) {
        msg == WM_MOUSEMOVE ? ScrollDrag(PointOf(lParam)) : EndScroll();
        return 0;
    }
    switch (msg) {
    case WM_CREATE:
        Create();
        return 0;
    case WM_SETFONT:
        SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(static_cast<WPARAM>(lParam)) != 0);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font);
    case WM_WINDOWPOSCHANGING:
        AdjustHeight(reinterpret_cast<WINDOWPOS*>(lParam));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SIZE:
        SetTop(top);
        UpdateStrip();
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        PaintStrip();
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (static_cast<LRESULT>(wParam) == HTVSCROLL) {
            POINT p = PointOf(lParam);
            ScreenToClient(hwnd, &p);
            ScrollPress(p);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focus(msg == WM_SETFOCUS);
        return 0;
    case WM_SETREDRAW:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        Redraw(wParam != 0);
        return 0;
    case WM_ENABLE:
    case WM_SYSCOLORCHANGE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        Key(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        TypeAhead(static_cast<char>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(lParam, msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        if (tracking) {
            Drag(lParam);
        }
        return 0;
    case WM_LBUTTONUP:
        Release();
        return 0;
    case WM_CAPTURECHANGED:
        tracking = false;
        if (Scrolling()) {
            KillTimer(hwnd, RepeatTimer);
            scrollPart = ScrollStrip::Part::None;
            PaintStrip();
        }
        return 0;
    case WM_TIMER:
        if (wParam == RepeatTimer) {
            ScrollStep();
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_VSCROLL:
        Scroll(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        Wheel(static_cast<short>(HIWORD(wParam)));
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// ---- LB_ messages

LRESULT ListBoxControl::ListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    const auto* text = reinterpret_cast<const char*>(lParam);
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
        return items.Valid(index) ? static_cast<LRESULT>(HasStrings() ? items.Text(index).size()
                                                                      : sizeof(UINT_PTR))
                                  : LB_ERR;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
        const int found =
            text && HasStrings() ? items.Find(index, text, msg == LB_FINDSTRINGEXACT) : -1;
        if (msg == LB_SELECTSTRING && found >= 0) {
            Select(found, false);
        }
        return found >= 0 ? found : LB_ERR;
    }
    case LB_SETCURSEL:
        if (!items.Valid(index)) {
            Select(-1, false);
            return LB_ERR;
        }
        Select(index, false);
        return index;
    case LB_GETCURSEL:
        return sel;
    case LB_GETSEL:
        return items.Valid(index) ? (index == sel ? 1 : 0) : LB_ERR;
    case LB_SETTOPINDEX:
        if (!items.Valid(index) && !(index == 0 && Count() == 0)) {
            return LB_ERR;
        }
        SetTop(index);
        return LB_OKAY;
    case LB_GETTOPINDEX:
        return top;
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
    case LB_SETCARETINDEX:
        return items.Valid(index) ? (EnsureVisible(index), LB_OKAY) : LB_ERR;
    case LB_GETCARETINDEX:
        return Count() > 0 ? FocusItem() : 0;
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

// Nearest entry in the low word; the high word is 1 when the point lies outside the entries.
LRESULT ListBoxControl::FromPoint(LPARAM point) const {
    const POINT p = PointOf(point);
    if (Count() == 0) {
        return MAKELPARAM(0, 1);
    }
    int index = 0;
    const bool inside = ItemAt(p, &index);
    if (!inside) {
        const int row =
            p.y < 0 ? 0 : std::min(p.y, static_cast<LONG>(ClientHeight() - 1)) / itemHeight;
        index = std::clamp(top + row, 0, Count() - 1);
    }
    return MAKELPARAM(index, inside ? 0 : 1);
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
    HDC dc = GetDC(hwnd);
    if (font) {
        SelectObject(dc, font);
    }
    TEXTMETRICA tm;
    const BOOL ok = GetTextMetricsA(dc, &tm);
    ReleaseDC(hwnd, dc);
    return ok ? std::clamp(static_cast<int>(tm.tmHeight), 1, MaxItemHeight) : 16;
}

void ListBoxControl::SetFont(HFONT f, bool redrawNow) {
    font = f;
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
        PaintStrip();
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

void ListBoxControl::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
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
    EndPaint(hwnd, &ps);
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

void ListBoxControl::Press(LPARAM point, bool dbl) {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    if (!IsWindow(hwnd)) {
        return;
    }
    tracking = true;
    SetCapture(hwnd);
    Drag(point);
    if (dbl && IsWindow(hwnd) && (style & LBS_NOTIFY)) {
        Notify(hwnd, LBN_DBLCLK);
    }
}

// While the button is held the selection follows the pointer, scrolling past the edges.
void ListBoxControl::Drag(LPARAM point) {
    if (Count() == 0) {
        return;
    }
    const POINT p = PointOf(point);
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

void ListBoxControl::Scroll(int code, int position) {
    switch (code) {
    case SB_LINEUP:
        SetTop(top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(top + 1);
        break;
    case SB_PAGEUP:
        SetTop(top - PageSize());
        break;
    case SB_PAGEDOWN:
        SetTop(top + PageSize());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetTop(position);
        break;
    case SB_TOP:
        SetTop(0);
        break;
    case SB_BOTTOM:
        SetTop(MaxTop());
        break;
    default:
        break;
    }
}

void ListBoxControl::Wheel(int delta) {
    wheelRest += delta;
    const int lines = wheelRest / WHEEL_DELTA * WheelLines;
    wheelRest %= WHEEL_DELTA;
    SetTop(top - lines);
}

// ---- the scroll bar strip

bool ListBoxControl::HasStrip() const {
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VSCROLL) != 0;
}

ScrollStrip ListBoxControl::Strip() const {
    const int w = ClientWidth();
    return ScrollStrip({w, 0, w + GetSystemMetrics(SM_CXVSCROLL), ClientHeight()}, Count(),
                       PageSize(), top);
}

// The strip shows only while the entries do not fit (always under LBS_DISABLENOSCROLL).
void ListBoxControl::UpdateStrip() {
    if (!wantStrip) {
        return;
    }
    const bool need = Count() > PageSize() || (style & LBS_DISABLENOSCROLL);
    if (need == HasStrip()) {
        PaintStrip();
        return;
    }
    const auto current = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    SetWindowLongPtrA(hwnd, GWL_STYLE, need ? current | WS_VSCROLL : current & ~WS_VSCROLL);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ListBoxControl::PaintStrip() const {
    if (!HasStrip() || !redraw || !IsWindowVisible(hwnd)) {
        return;
    }
    HDC dc = GetWindowDC(hwnd);
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    SetWindowOrgEx(dc, wr.left - client.x, wr.top - client.y, nullptr);
    Strip().Paint(dc,
                  scrollPart == ScrollStrip::Part::Thumb ? ScrollStrip::Part::None : scrollPart);
    ReleaseDC(hwnd, dc);
}

void ListBoxControl::ScrollPress(POINT p) {
    const ScrollStrip strip = Strip();
    scrollPart = HasStrip() ? strip.HitTest(p) : ScrollStrip::Part::None;
    if (!Scrolling()) {
        return;
    }
    SetCapture(hwnd);
    if (scrollPart == ScrollStrip::Part::Thumb) {
        thumbGrab = strip.Grab(p);
    } else {
        ScrollStep();
        SetTimer(hwnd, RepeatTimer, FirstRepeat, nullptr);
    }
    PaintStrip();
}

// One step of the pressed arrow or page area, repeated while the pointer stays on it.
void ListBoxControl::ScrollStep() {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    if (Strip().HitTest(p) == scrollPart) {
        switch (scrollPart) {
        case ScrollStrip::Part::LineUp:
            Scroll(SB_LINEUP, 0);
            break;
        case ScrollStrip::Part::LineDown:
            Scroll(SB_LINEDOWN, 0);
            break;
        case ScrollStrip::Part::PageUp:
            Scroll(SB_PAGEUP, 0);
            break;
        case ScrollStrip::Part::PageDown:
            Scroll(SB_PAGEDOWN, 0);
            break;
        default:
            return;
        }
    }
    SetTimer(hwnd, RepeatTimer, NextRepeat, nullptr);
}

void ListBoxControl::ScrollDrag(POINT p) {
    if (scrollPart == ScrollStrip::Part::Thumb) {
        SetTop(Strip().TopForThumbAt(p, thumbGrab));
    }
}

void ListBoxControl::EndScroll() {
    KillTimer(hwnd, RepeatTimer);
    scrollPart = ScrollStrip::Part::None;
    if (!keepCapture && GetCapture() == hwnd) {
        ReleaseCapture();
    }
    PaintStrip();
}

} // namespace ctl
