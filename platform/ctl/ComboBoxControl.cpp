#include "platform/ctl/ComboBoxControl.h"

#include "platform/ctl/ComboListWindow.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/PaintedControl.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace ctl {

namespace {

constexpr int FieldPadding = 8; // sunken edge and a margin above and below the text
constexpr int ListFrame = 2;

int WindowHeight(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
}

} // namespace

ATOM ComboBoxControl::Register() {
    return ControlMap<ComboBoxControl>::RegisterBuiltin(CS_DBLCLKS);
}

ComboBoxControl::ComboBoxControl(HWND window)
    : hwnd(window), style(StyleOf(window)), totalHeight(WindowHeight(window)) {}

bool ComboBoxControl::Tell(UINT code) const {
    Notify(hwnd, code);
    return IsWindow(hwnd) != FALSE;
}

LRESULT ComboBoxControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= CB_GETEDITSEL && msg <= CB_GETCOMBOBOXINFO) {
        return ComboMessage(msg, wParam, lParam);
    }
    LRESULT result = 0;
    if (PaintMessage(hwnd, msg, result, [this](HDC dc) { Paint(dc); }) ||
        FontMessage(msg, wParam, lParam, font, result, [this](bool now) { FontChanged(now); })) {
        return result;
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press();
        return 0;
    case WM_MOUSEWHEEL:
        Wheel(static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
        return Keys(msg, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focus(msg == WM_SETFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped ? DLGC_WANTALLKEYS : 0);
    default:
        return WindowMessage(msg, wParam, lParam);
    }
}

LRESULT ComboBoxControl::WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE:
        // WS_VSCROLL belongs to the list; the field has no scroll bar strip.
        SetWindowLongPtrA(hwnd, GWL_STYLE, StyleOf(hwnd) & ~WS_VSCROLL);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_CREATE:
        return Create() ? 0 : -1;
    case WM_DESTROY:
        dropped = false; // no notifications from a combo box going away
        DestroyWindow(list);
        list = nullptr;
        return 0;
    case WM_WINDOWPOSCHANGING:
        AdjustSize(reinterpret_cast<WINDOWPOS*>(lParam));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETTEXT:
        return GetText(wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(SelectedText().size());
    case WM_SETTEXT:
        return SetText(lParam);
    case WM_ENABLE:
        Enable(wParam != 0);
        return 0;
    default:
        return ListNote(msg, wParam, lParam);
    }
}

// What the drop-down list asks and tells.
LRESULT ComboBoxControl::ListNote(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CTLCOLORLISTBOX:
        return Colour(msg, wParam, lParam);
    case CLM_PICK:
        if (dropped) {
            ToList(LB_SETCURSEL, wParam, 0);
            Close(true);
        }
        return 0;
    case CLM_CANCEL:
        Close(false);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ComboBoxControl::Keys(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_KEYDOWN:
        Key(static_cast<UINT>(wParam));
        break;
    case WM_SYSKEYDOWN:
        SysKey(static_cast<UINT>(wParam), lParam);
        break;
    default: // WM_CHAR
        TypeAhead(static_cast<char>(wParam));
        break;
    }
    return 0;
}

void ComboBoxControl::Wheel(int delta) {
    if (!dropped) {
        Move(CurSel() + (delta > 0 ? -1 : 1));
    }
}

void ComboBoxControl::Enable(bool on) {
    if (!on) {
        Close(false);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

// ---- CB_ messages

LRESULT ComboBoxControl::ComboMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
    case CB_DELETESTRING:
    case CB_RESETCONTENT:
        return ChangeEntries(msg, wParam, lParam);
    case CB_GETCOUNT:
        return ToList(LB_GETCOUNT, 0, 0);
    case CB_GETLBTEXT:
        return ToList(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return ToList(LB_GETTEXTLEN, wParam, 0);
    case CB_FINDSTRING:
        return ToList(LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return ToList(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING: {
        const LRESULT found = ToList(LB_FINDSTRING, wParam, lParam);
        return found >= 0 ? SetSelection(static_cast<int>(found)) : CB_ERR;
    }
    case CB_GETITEMDATA:
        return ToList(LB_GETITEMDATA, wParam, 0);
    case CB_SETITEMDATA:
        return ToList(LB_SETITEMDATA, wParam, lParam);
    case CB_SETCURSEL:
        return SetSelection(static_cast<int>(static_cast<LONG_PTR>(wParam)));
    case CB_GETCURSEL:
        return CurSel();
    case CB_GETITEMHEIGHT:
        return static_cast<LONG_PTR>(wParam) == -1 ? fieldHeight : ItemHeight();
    case CB_SHOWDROPDOWN:
        wParam ? Drop() : Close(false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        return DroppedRect(lParam);
    case CB_GETDROPPEDWIDTH: {
        RECT r = ListRect();
        return r.right - r.left;
    }
    case CB_GETCOMBOBOXINFO:
        return Info(lParam);
    default:
        return CB_ERR;
    }
}

LRESULT ComboBoxControl::ToList(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return list ? SendMessageA(list, msg, wParam, lParam) : CB_ERR;
}

// The list keeps the entries and, while closed, the selection; while dropped the selection
// is `committed`, which follows the entries as they move.
LRESULT ComboBoxControl::ChangeEntries(UINT msg, WPARAM wParam, LPARAM lParam) {
    const UINT listMsg = msg == CB_ADDSTRING      ? LB_ADDSTRING
                         : msg == CB_INSERTSTRING ? LB_INSERTSTRING
                         : msg == CB_DELETESTRING ? LB_DELETESTRING
                                                  : LB_RESETCONTENT;
    const auto index = static_cast<LONG_PTR>(wParam);
    const LRESULT result = ToList(listMsg, wParam, lParam);
    if (msg == CB_RESETCONTENT) {
        committed = -1;
    } else if (msg == CB_DELETESTRING && result >= 0) {
        committed = committed == index ? -1 : committed - (committed > index ? 1 : 0);
    } else if (msg != CB_DELETESTRING && result >= 0 && committed >= result) {
        ++committed;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

LRESULT ComboBoxControl::SetSelection(int index) {
    const LRESULT result = ToList(LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    committed = result >= 0 ? static_cast<int>(result) : -1;
    InvalidateRect(hwnd, nullptr, FALSE);
    return result;
}

int ComboBoxControl::CurSel() const {
    return dropped ? committed : static_cast<int>(ToList(LB_GETCURSEL, 0, 0));
}

std::string ComboBoxControl::SelectedText() const {
    const int sel = CurSel();
    const LRESULT n = ToList(LB_GETTEXTLEN, static_cast<WPARAM>(sel), 0);
    if (sel < 0 || n < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    ToList(LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n));
    return text;
}

LRESULT ComboBoxControl::GetText(WPARAM size, LPARAM buffer) const {
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0) {
        return 0;
    }
    const std::string text = SelectedText();
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

// A drop-down list has no free text: setting it selects the equal entry, if there is one.
LRESULT ComboBoxControl::SetText(LPARAM text) {
    const auto* s = reinterpret_cast<const char*>(text);
    const LRESULT found = ToList(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(s && !IS_INTRESOURCE(s) ? s : ""));
    if (found < 0) {
        return CB_ERR;
    }
    SetSelection(static_cast<int>(found));
    return TRUE;
}

LRESULT ComboBoxControl::Info(LPARAM info) const {
    auto* out = reinterpret_cast<COMBOBOXINFO*>(info);
    if (!out || out->cbSize != sizeof(COMBOBOXINFO)) {
        return FALSE;
    }
    out->rcItem = TextRect();
    out->rcButton = ButtonRect();
    out->stateButton = dropped ? 0x8 : 0; // STATE_SYSTEM_PRESSED
    out->hwndCombo = hwnd;
    out->hwndItem = hwnd;
    out->hwndList = list;
    return TRUE;
}

LRESULT ComboBoxControl::DroppedRect(LPARAM rect) const {
    auto* out = reinterpret_cast<RECT*>(rect);
    if (!out) {
        return CB_ERR;
    }
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const RECT lr = ListRect();
    *out = {wr.left, wr.top, wr.right, wr.top + fieldHeight + (lr.bottom - lr.top)};
    return TRUE;
}

// The list's colour request (with the list's handle) and the field's: the parent decides,
// else the default answer.
LRESULT ComboBoxControl::Colour(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND parent = GetParent(hwnd);
    const LRESULT answer = parent ? SendMessageA(parent, msg, wParam, lParam) : 0;
    return answer ? answer : DefWindowProcA(hwnd, msg, wParam, lParam);
}

// ---- creation, font, size

bool ComboBoxControl::Create() {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const DWORD listStyle = WS_POPUP | WS_BORDER | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT |
                            ((style & CBS_SORT) ? LBS_SORT : 0) | (style & WS_VSCROLL);
    list = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST,
                           ComboListWindow::ClassName, "", listStyle, wr.left, wr.bottom,
                           wr.right - wr.left, 0, hwnd, nullptr, nullptr, hwnd);
    if (!list) {
        return false;
    }
    SetWindowLongPtrA(list, GWLP_ID, ComboListWindow::ListId);
    fieldHeight = MeasureField();
    SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, fieldHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

int ComboBoxControl::MeasureField() const {
    return FontHeight(hwnd, font, 13) + FieldPadding;
}

void ComboBoxControl::FontChanged(bool redrawNow) {
    ToList(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    fieldHeight = MeasureField();
    RECT wr;
    GetWindowRect(hwnd, &wr);
    SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, fieldHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (redrawNow) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// A new height names field plus list; the window keeps the field's height.
void ComboBoxControl::AdjustSize(WINDOWPOS* pos) {
    if (!pos || (pos->flags & SWP_NOSIZE) || fieldHeight == 0) {
        return;
    }
    if (pos->cy != fieldHeight) {
        totalHeight = pos->cy;
    }
    pos->cy = fieldHeight;
}

int ComboBoxControl::ItemHeight() const {
    return std::max(1, static_cast<int>(ToList(LB_GETITEMHEIGHT, 0, 0)));
}

// Whole entries that fit below the field, at least one, no more than there are.
int ComboBoxControl::Rows() const {
    const int fit = std::max(1, (totalHeight - fieldHeight - ListFrame) / ItemHeight());
    const int count = static_cast<int>(ToList(LB_GETCOUNT, 0, 0));
    return std::clamp(count, 1, fit);
}

// Screen rectangle of the dropped list: below the field, or above it when the screen ends.
RECT ComboBoxControl::ListRect() const {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const int height = Rows() * ItemHeight() + ListFrame;
    RECT r{wr.left, wr.bottom, wr.right, wr.bottom + height};
    if (r.bottom > GetSystemMetrics(SM_CYSCREEN) && wr.top - height >= 0) {
        r = {wr.left, wr.top - height, wr.right, wr.top};
    }
    return r;
}

RECT ComboBoxControl::ButtonRect() const {
    RECT c;
    GetClientRect(hwnd, &c);
    const int edge = GetSystemMetrics(SM_CXEDGE);
    const int left = std::max<int>(edge, c.right - edge - GetSystemMetrics(SM_CXVSCROLL));
    return {left, edge, c.right - edge, c.bottom - edge};
}

RECT ComboBoxControl::TextRect() const {
    RECT c;
    GetClientRect(hwnd, &c);
    const int edge = GetSystemMetrics(SM_CXEDGE);
    return {edge, edge, ButtonRect().left, c.bottom - edge};
}

// ---- drawing

void ComboBoxControl::Paint(HDC dc) {
    if (font) {
        SelectObject(dc, font);
    }
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const HWND parent = GetParent(hwnd);
    const UINT request = enabled ? WM_CTLCOLORLISTBOX : WM_CTLCOLORSTATIC;
    LRESULT brush = parent ? SendMessageA(parent, request, reinterpret_cast<WPARAM>(dc),
                                          reinterpret_cast<LPARAM>(hwnd))
                           : 0;
    if (!IsWindow(hwnd)) {
        return;
    }
    brush = brush ? brush
                  : DefWindowProcA(hwnd, request, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(hwnd));
    RECT all;
    GetClientRect(hwnd, &all);
    FillRect(dc, &all, reinterpret_cast<HBRUSH>(brush));
    DrawEdge(dc, &all, EDGE_SUNKEN, BF_RECT);
    PaintText(dc, reinterpret_cast<HBRUSH>(brush));
    PaintButton(dc);
}

void ComboBoxControl::PaintText(HDC dc, HBRUSH back) const {
    RECT box = TextRect();
    InflateRect(&box, -1, -1);
    const bool highlight = focused && IsWindowEnabled(hwnd);
    FillRect(dc, &box, highlight ? GetSysColorBrush(COLOR_HIGHLIGHT) : back);
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    if (highlight) {
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else if (!IsWindowEnabled(hwnd)) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    }
    RECT text{box.left + 2, box.top, box.right - 1, box.bottom};
    const std::string s = SelectedText();
    DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    RestoreDC(dc, saved);
    if (highlight) {
        DrawFocusRect(dc, &box);
    }
}

void ComboBoxControl::PaintButton(HDC dc) const {
    RECT b = ButtonRect();
    FillRect(dc, &b, GetSysColorBrush(COLOR_BTNFACE));
    if (dropped) {
        FrameRect(dc, &b, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        DrawEdge(dc, &b, EDGE_RAISED, BF_RECT);
    }
    const int shift = dropped ? 1 : 0;
    const int cx = (b.left + b.right) / 2 + shift;
    const int cy = (b.top + b.bottom) / 2 - 2 + shift;
    const COLORREF colour = GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int row = 0; row < 4; ++row) {
        for (int x = cx - 4 + row; x <= cx + 2 - row; ++x) {
            SetPixel(dc, x, cy + row, colour);
        }
    }
}

// ---- behaviour

void ComboBoxControl::Drop() {
    if (dropped || !list || !IsWindowEnabled(hwnd)) {
        return;
    }
    if (!Tell(CBN_DROPDOWN)) {
        return;
    }
    committed = static_cast<int>(ToList(LB_GETCURSEL, 0, 0));
    const RECT r = ListRect();
    dropped = true;
    SetWindowPos(list, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ToList(LB_SETCURSEL, static_cast<WPARAM>(committed), 0);
    SetCapture(list);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// pick: the highlighted entry becomes the selection (CBN_SELCHANGE, CBN_CLOSEUP,
// CBN_SELENDOK); else the selection stays (CBN_CLOSEUP, CBN_SELENDCANCEL).
void ComboBoxControl::Close(bool pick) {
    if (!dropped) {
        return;
    }
    dropped = false;
    const int chosen = static_cast<int>(ToList(LB_GETCURSEL, 0, 0));
    pick = pick && chosen >= 0;
    if (GetCapture() == list) {
        ReleaseCapture();
    }
    ShowWindow(list, SW_HIDE);
    if (!pick) {
        ToList(LB_SETCURSEL, static_cast<WPARAM>(committed), 0);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    if (pick && !Tell(CBN_SELCHANGE)) {
        return;
    }
    if (Tell(CBN_CLOSEUP)) {
        Tell(pick ? CBN_SELENDOK : CBN_SELENDCANCEL);
    }
}

void ComboBoxControl::Press() {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    if (IsWindow(hwnd)) {
        dropped ? Close(false) : Drop();
    }
}

void ComboBoxControl::Key(UINT vk) {
    const int cur = dropped ? static_cast<int>(ToList(LB_GETCURSEL, 0, 0)) : CurSel();
    const int count = static_cast<int>(ToList(LB_GETCOUNT, 0, 0));
    const int page = std::max(1, Rows() - 1);
    switch (vk) {
    case VK_F4:
        dropped ? Close(true) : Drop();
        return;
    case VK_RETURN:
        Close(true);
        return;
    case VK_ESCAPE:
        Close(false);
        return;
    case VK_UP:
    case VK_LEFT:
        return Move(cur < 0 ? 0 : cur - 1);
    case VK_DOWN:
    case VK_RIGHT:
        return Move(cur < 0 ? 0 : cur + 1);
    case VK_PRIOR:
        return Move(cur < 0 ? 0 : cur - page);
    case VK_NEXT:
        return Move(cur < 0 ? 0 : cur + page);
    case VK_HOME:
        return Move(0);
    case VK_END:
        return Move(count - 1);
    default:
        return;
    }
}

void ComboBoxControl::SysKey(UINT vk, LPARAM lParam) {
    const bool alt = (lParam & (1 << 29)) != 0;
    if (alt && (vk == VK_DOWN || vk == VK_UP)) {
        dropped ? Close(true) : Drop();
        return;
    }
    DefWindowProcA(hwnd, WM_SYSKEYDOWN, vk, lParam);
}

// A selection changed by the user, open or closed: CBN_SELCHANGE each time it moves.
void ComboBoxControl::Move(int next) {
    const int count = static_cast<int>(ToList(LB_GETCOUNT, 0, 0));
    if (count <= 0) {
        return;
    }
    next = std::clamp(next, 0, count - 1);
    const int shown = dropped ? static_cast<int>(ToList(LB_GETCURSEL, 0, 0)) : CurSel();
    if (next == shown && next == CurSel()) {
        return;
    }
    ToList(LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    committed = next;
    InvalidateRect(hwnd, nullptr, FALSE);
    Tell(CBN_SELCHANGE);
}

void ComboBoxControl::TypeAhead(char c) {
    if (static_cast<unsigned char>(c) < 0x20) {
        return;
    }
    const int cur = dropped ? static_cast<int>(ToList(LB_GETCURSEL, 0, 0)) : CurSel();
    const char text[2] = {c, '\0'};
    const LRESULT found =
        ToList(LB_FINDSTRING, static_cast<WPARAM>(cur), reinterpret_cast<LPARAM>(text));
    if (found >= 0) {
        Move(static_cast<int>(found));
    }
}

void ComboBoxControl::Focus(bool on) {
    focused = on;
    if (!on) {
        Close(false);
    }
    if (IsWindow(hwnd)) {
        InvalidateRect(hwnd, nullptr, FALSE);
        Tell(on ? CBN_SETFOCUS : CBN_KILLFOCUS);
    }
}

} // namespace ctl

BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) {
    return info && IsWindow(combo) &&
                   SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info))
               ? TRUE
               : FALSE;
}
