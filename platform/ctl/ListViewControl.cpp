#include "platform/ctl/ListViewControl.h"

#include "platform/base/Saturate.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/ListViewColumns.h"
#include "platform/ctl/ListViewEditor.h"
#include "platform/ctl/ListViewPainter.h"
#include "platform/ctl/PaintedControl.h"
#include "platform/gfx/Gdi.h"
#include "platform/sys/KernelStrings.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ctl {

namespace {

constexpr UINT_PTR EditTimer = 0x5C11;
constexpr UINT_PTR HoverTimerId = 0x5C12;
constexpr int RowPadding = 4;
constexpr LONG TypeAheadPause = 1000;
constexpr UINT SelectFocus = LVIS_SELECTED | LVIS_FOCUSED;

} // namespace

ATOM ListViewControl::Register() {
    return ControlMap<ListViewControl>::RegisterBuiltin(CS_DBLCLKS);
}

ListViewControl::ListViewControl(HWND window) : hwnd(window) {}

LRESULT ListViewControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= LVM_FIRST && msg < LVM_FIRST + 0x100) {
        return ListMessage(msg, wParam, lParam);
    }
    LRESULT result = 0;
    if (scroller.Message(msg, wParam, lParam, result) ||
        PaintMessage(
            hwnd, msg, wParam, result, [this](HDC dc, const RECT& dirty) { Paint(dc, dirty); },
            [this](HDC dc) { Erase(dc); }) ||
        FontMessage(msg, wParam, lParam, font, result, [this](bool now) { FontChanged(now); })) {
        return result;
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
        return Mouse(msg, lParam);
    case WM_KEYDOWN:
    case WM_CHAR:
        return Keys(msg, wParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SYSCOLORCHANGE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_TIMER:
        Timer(wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
        return WindowMessage(msg, wParam, lParam);
    }
}

LRESULT ListViewControl::WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        Create();
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, EditTimer);
        KillTimer(hwnd, HoverTimerId);
        rows.Clear();
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_SETREDRAW:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        Redraw(wParam != 0);
        return 0;
    case WM_NOTIFY:
        if (lParam && reinterpret_cast<const NMHDR*>(lParam)->hwndFrom == header) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_COMMAND:
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ListViewControl::Mouse(UINT msg, LPARAM lParam) {
    const POINT p = PointOf(lParam);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(p, msg == WM_LBUTTONDBLCLK);
        break;
    case WM_LBUTTONUP:
        Release(p);
        break;
    default: // WM_MOUSEMOVE
        Hover(p);
        break;
    }
    return 0;
}

LRESULT ListViewControl::Keys(UINT msg, WPARAM wParam) {
    if (msg == WM_KEYDOWN) {
        Key(static_cast<UINT>(wParam));
    } else {
        TypeAhead(static_cast<char>(wParam));
    }
    return 0;
}

void ListViewControl::Timer(WPARAM id) {
    if (id == EditTimer) {
        KillTimer(hwnd, EditTimer);
        EditLabel(std::exchange(editCandidate, -1));
    } else if (id == HoverTimerId) {
        HoverTimer();
    }
}

// ---- LVM_ messages

LRESULT ListViewControl::ListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (msg) {
    case LVM_GETITEMCOUNT:
        return rows.Count();
    case LVM_INSERTITEMA:
        return InsertItem(reinterpret_cast<const LVITEMA*>(lParam));
    case LVM_DELETEITEM:
        return DeleteItem(index);
    case LVM_DELETEALLITEMS:
        DeleteAll();
        return TRUE;
    case LVM_SETITEMCOUNT:
        rows.Reserve(index);
        return TRUE;
    case LVM_GETITEMA:
        return GetItem(reinterpret_cast<LVITEMA*>(lParam));
    case LVM_SETITEMA:
        return SetItem(reinterpret_cast<const LVITEMA*>(lParam));
    case LVM_GETNEXTITEM:
        return rows.Next(index, static_cast<UINT>(lParam) & SelectFocus);
    case LVM_GETSELECTEDCOUNT:
        return SelectedCount();
    default:
        return ViewMessage(msg, index, lParam);
    }
}

LRESULT ListViewControl::ViewMessage(UINT msg, int index, LPARAM lParam) {
    switch (msg) {
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(header);
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return SetExtendedStyle(static_cast<DWORD>(index), static_cast<DWORD>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return static_cast<LRESULT>(exStyle);
    case LVM_GETTOPINDEX:
        return top;
    case LVM_GETCOUNTPERPAGE:
        return PageSize();
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(index);
    case LVM_SCROLL:
        SetTop(base::AddClamped(top, static_cast<int>(lParam) / rowHeight));
        return TRUE;
    default:
        return EditMessage(msg, index, lParam);
    }
}

LRESULT ListViewControl::EditMessage(UINT msg, int index, LPARAM lParam) {
    switch (msg) {
    case LVM_GETEDITCONTROL:
        return reinterpret_cast<LRESULT>(edit);
    case LVM_EDITLABELA:
        return EditLabel(index);
    case ListViewEditor::EndMessage:
        EndEdit(index != 0, reinterpret_cast<HWND>(lParam));
        return 0;
    case ListViewEditor::DestroyMessage:
        if (IsWindow(reinterpret_cast<HWND>(lParam)) &&
            GetParent(reinterpret_cast<HWND>(lParam)) == hwnd) {
            DestroyWindow(reinterpret_cast<HWND>(lParam));
        }
        return 0;
    default:
        return RowMessage(msg, index, lParam);
    }
}

int ListViewControl::SelectedCount() const {
    int count = 0;
    for (int row = rows.Next(-1, LVIS_SELECTED); row >= 0; row = rows.Next(row, LVIS_SELECTED)) {
        ++count;
    }
    return count;
}

LRESULT ListViewControl::RowMessage(UINT msg, int row, LPARAM lParam) {
    auto* item = reinterpret_cast<LVITEMA*>(lParam);
    switch (msg) {
    case LVM_SETITEMSTATE:
        if (!item || (row != -1 && !rows.Valid(row))) {
            return FALSE;
        }
        if (row == -1) {
            for (int each = 0; each < rows.Count(); ++each) {
                SetState(each, item->state, item->stateMask);
            }
            return TRUE;
        }
        return SetState(row, item->state, item->stateMask);
    case LVM_GETITEMSTATE:
        return rows.Valid(row)
                   ? static_cast<LRESULT>(rows.At(row).state & static_cast<UINT>(lParam))
                   : 0;
    case LVM_GETITEMTEXTA:
        if (!item || !rows.Valid(row)) {
            return 0;
        }
        return qvsql::CopyToBuffer(rows.Text(row, item->iSubItem), item->pszText, item->cchTextMax);
    case LVM_SETITEMTEXTA:
        if (!item || !rows.Valid(row) || item->iSubItem < 0) {
            return FALSE;
        }
        SetText(row, item->iSubItem, item->pszText);
        return TRUE;
    default:
        return GeometryMessage(msg, row, lParam);
    }
}

LRESULT ListViewControl::GeometryMessage(UINT msg, int row, LPARAM lParam) {
    switch (msg) {
    case LVM_GETITEMRECT:
        return ItemRect(row, reinterpret_cast<RECT*>(lParam));
    case LVM_GETSUBITEMRECT:
        return SubItemRect(row, reinterpret_cast<RECT*>(lParam));
    case LVM_HITTEST:
        return HitTest(reinterpret_cast<LVHITTESTINFO*>(lParam), false);
    case LVM_SUBITEMHITTEST:
        return HitTest(reinterpret_cast<LVHITTESTINFO*>(lParam), true);
    default:
        return ColumnMessage(msg, row, lParam);
    }
}

LRESULT ListViewControl::ColumnMessage(UINT msg, int column, LPARAM lParam) {
    const ListViewColumns columns(header);
    LRESULT result = 0;
    switch (msg) {
    case LVM_INSERTCOLUMNA:
        result = columns.Insert(column, reinterpret_cast<const LVCOLUMNA*>(lParam));
        if (result >= 0) {
            rows.InsertColumn(static_cast<int>(result));
        }
        break;
    case LVM_DELETECOLUMN:
        result = columns.Delete(column);
        if (result) {
            rows.DeleteColumn(column);
        }
        break;
    case LVM_GETCOLUMNA:
        return columns.Get(column, reinterpret_cast<LVCOLUMNA*>(lParam));
    case LVM_GETCOLUMNWIDTH:
        return columns.Width(column);
    case LVM_SETCOLUMNWIDTH:
        result = columns.SetWidth(column, static_cast<short>(LOWORD(lParam)));
        break;
    default:
        return 0;
    }
    Layout();
    return result;
}

LRESULT ListViewControl::InsertItem(const LVITEMA* item) {
    if (!item || item->iSubItem != 0 || item->iItem < 0) {
        return -1;
    }
    ListViewRow data;
    // An empty text is not stored: the rows of a large grid mostly have none.
    if ((item->mask & LVIF_TEXT) && item->pszText && item->pszText[0] != '\0') {
        data.texts.emplace_back(item->pszText);
    }
    data.param = (item->mask & LVIF_PARAM) ? item->lParam : 0;
    data.state = (item->mask & LVIF_STATE) ? (item->state & item->stateMask & SelectFocus) : 0;
    const int row = rows.Insert(item->iItem, std::move(data));
    // While redraw is off the strip waits for it to come back on (Redraw lays the list out
    // again); more rows never move the top row.
    if (redraw) {
        RowsChanged();
    }
    return row;
}

LRESULT ListViewControl::GetItem(LVITEMA* item) const {
    if (!item || !rows.Valid(item->iItem)) {
        return FALSE;
    }
    if (item->mask & LVIF_TEXT) {
        qvsql::CopyToBuffer(rows.Text(item->iItem, item->iSubItem), item->pszText,
                            item->cchTextMax);
    }
    if (item->mask & LVIF_PARAM) {
        item->lParam = rows.At(item->iItem).param;
    }
    if (item->mask & LVIF_STATE) {
        item->state = rows.At(item->iItem).state & item->stateMask;
    }
    return TRUE;
}

LRESULT ListViewControl::SetItem(const LVITEMA* item) {
    if (!item || !rows.Valid(item->iItem) || item->iSubItem < 0) {
        return FALSE;
    }
    const int row = item->iItem;
    if (item->mask & LVIF_PARAM) {
        rows.At(row).param = item->lParam;
    }
    if (item->mask & LVIF_TEXT) {
        SetText(row, item->iSubItem, item->pszText);
    }
    if ((item->mask & LVIF_STATE) && rows.Valid(row)) {
        SetState(row, item->state, item->stateMask);
    }
    return TRUE;
}

LRESULT ListViewControl::DeleteItem(int row) {
    if (!rows.Valid(row)) {
        return FALSE;
    }
    rows.Delete(row);
    editCandidate = -1;
    RowsChanged();
    return TRUE;
}

void ListViewControl::DeleteAll() {
    rows.Clear();
    editCandidate = -1;
    top = 0;
    RowsChanged();
}

// ---- geometry

LRESULT ListViewControl::ItemRect(int row, RECT* r) const {
    if (!r || !rows.Valid(row)) {
        return FALSE;
    }
    const ListViewLayout layout = Geometry();
    *r = r->left == LVIR_LABEL ? layout.CellRect(row, 0) : layout.RowBounds(row);
    return TRUE;
}

// Sub-item 0 of a list with more columns answers the whole row, as the classic list does.
LRESULT ListViewControl::SubItemRect(int row, RECT* r) const {
    if (!r || !rows.Valid(row)) {
        return FALSE;
    }
    const ListViewLayout layout = Geometry();
    const int column = r->top;
    if (column < 0 || column >= std::max(layout.Columns(), 1)) {
        return FALSE;
    }
    *r = column == 0 && layout.Columns() > 1 ? layout.RowBounds(row) : layout.CellRect(row, column);
    return TRUE;
}

bool ListViewControl::CellAt(POINT p, int* row, int* column) const {
    const ListViewLayout layout = Geometry();
    RECT client = ClientRectOf(hwnd);
    *row = PtInRect(&client, p) ? layout.RowAt(p.y) : -1;
    *column = layout.ColumnAt(p.x);
    if (!rows.Valid(*row) || *column < 0) {
        *row = -1;
        return false;
    }
    return true;
}

LRESULT ListViewControl::HitTest(LVHITTESTINFO* info, bool subItems) const {
    if (!info) {
        return -1;
    }
    int row = -1;
    int column = -1;
    const bool on = CellAt(info->pt, &row, &column);
    info->flags = on ? LVHT_ONITEMLABEL : LVHT_NOWHERE;
    info->iItem = on ? row : -1;
    if (subItems) {
        info->iSubItem = on ? column : -1;
    }
    return info->iItem;
}

LRESULT ListViewControl::SetExtendedStyle(DWORD mask, DWORD bits) {
    const DWORD old = exStyle;
    const DWORD change = mask ? mask : ~DWORD{0};
    exStyle = (exStyle & ~change) | (bits & change);
    InvalidateRect(hwnd, nullptr, TRUE);
    return static_cast<LRESULT>(old);
}

// ---- creation, font, layout, painting

void ListViewControl::Create() {
    const DWORD hidden = (StyleOf(hwnd) & LVS_NOCOLUMNHEADER) ? HDS_HIDDEN : 0;
    header = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS | hidden, 0, 0,
                             0, 0, hwnd, nullptr, nullptr, nullptr);
    FontChanged(false);
}

void ListViewControl::FontChanged(bool redrawNow) {
    if (header) {
        SendMessageA(header, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    }
    rowHeight = std::max(FontHeight(hwnd, font, 0) + RowPadding, 1);
    Layout();
    if (redrawNow) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

ListViewLayout ListViewControl::Geometry() const {
    return ListViewLayout(hwnd, header, rowHeight, top);
}

// The header's height is asked again each time: its style may have changed meanwhile.
void ListViewControl::Layout() {
    if (header) {
        RECT area = ClientRectOf(hwnd);
        WINDOWPOS pos{};
        HDLAYOUT layout{&area, &pos};
        SendMessageA(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
        SetWindowPos(header, nullptr, pos.x, pos.y, pos.cx, pos.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetTop(top);
    UpdateStrip();
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void ListViewControl::RowsChanged() {
    SetTop(top);
    UpdateStrip();
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void ListViewControl::Erase(HDC dc) const {
    if (!dc) {
        return;
    }
    const RECT client = ClientRectOf(hwnd);
    FillRect(dc, &client, GetSysColorBrush(IsWindowEnabled(hwnd) ? COLOR_WINDOW : COLOR_BTNFACE));
}

void ListViewControl::Paint(HDC dc, const RECT& dirty) {
    if (redraw) {
        UseFont(dc, font);
        const ListViewLayout layout = Geometry();
        ListViewLook look{StyleOf(hwnd), exStyle, HasFocus(hwnd), IsWindowEnabled(hwnd) != FALSE};
        ListViewPainter(hwnd, rows, layout, look).Paint(dc, dirty);
    }
}

void ListViewControl::Redraw(bool on) {
    redraw = on;
    if (redraw) {
        Layout();
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

// ---- state

NMHDR ListViewControl::Header(UINT code) const {
    return {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
}

LRESULT ListViewControl::SendNotify(NMHDR& hdr) const {
    HWND parent = GetParent(hwnd);
    return parent ? SendMessageA(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr)) : 0;
}

void ListViewControl::ItemChanged(int row, UINT changed, UINT oldState) {
    NMLISTVIEW note;
    note.hdr = Header(LVN_ITEMCHANGED);
    note.iItem = row;
    note.uNewState = rows.At(row).state;
    note.uOldState = oldState;
    note.uChanged = changed;
    note.lParam = rows.At(row).param;
    SendNotify(note.hdr);
}

bool ListViewControl::SetState(int row, UINT state, UINT mask) {
    if (!rows.Valid(row)) {
        return false;
    }
    mask &= SelectFocus;
    const UINT old = rows.At(row).state;
    const UINT next = (old & ~mask) | (state & mask);
    if (next & ~old & LVIS_FOCUSED) {
        ClearOthers(row, LVIS_FOCUSED);
    }
    if ((next & ~old & LVIS_SELECTED) && (StyleOf(hwnd) & LVS_SINGLESEL)) {
        ClearOthers(row, LVIS_SELECTED);
    }
    if (!rows.Valid(row) || next == rows.At(row).state) {
        return true;
    }
    const UINT before = rows.At(row).state;
    rows.At(row).state = next;
    RepaintRow(row);
    ItemChanged(row, LVIF_STATE, before);
    return true;
}

void ListViewControl::ClearOthers(int row, UINT bits) {
    for (int other = 0; other < rows.Count(); ++other) {
        if (other != row && (rows.At(other).state & bits)) {
            const UINT old = rows.At(other).state;
            rows.At(other).state &= ~bits;
            RepaintRow(other);
            ItemChanged(other, LVIF_STATE, old);
        }
    }
}

// What the user's choice of a row does: only that row selected and focused, and shown.
void ListViewControl::Select(int row) {
    ClearOthers(row, SelectFocus);
    SetState(row, SelectFocus, SelectFocus);
    EnsureVisible(row);
    if (redraw) {
        UpdateWindow(hwnd);
    }
}

void ListViewControl::SetText(int row, int column, const char* text) {
    rows.SetText(row, column, text ? text : "");
    RepaintRow(row);
    if (column == 0) {
        ItemChanged(row, LVIF_TEXT, rows.At(row).state);
    }
}

void ListViewControl::RepaintRow(int row) {
    if (!redraw) {
        return;
    }
    RECT r = Geometry().RowBounds(row);
    r.left = 0;
    r.right = ClientRectOf(hwnd).right;
    InvalidateRect(hwnd, &r, TRUE);
}

// ---- mouse and keys

void ListViewControl::SendActivate(UINT code, POINT p) const {
    NMITEMACTIVATE note;
    note.hdr = Header(code);
    int row = -1;
    int column = -1;
    CellAt(p, &row, &column);
    note.iItem = row;
    note.iSubItem = row >= 0 ? column : 0;
    note.ptAction = p;
    SendNotify(note.hdr);
}

void ListViewControl::Press(POINT p, bool dbl) {
    const bool hadFocus = HasFocus(hwnd);
    KillTimer(hwnd, EditTimer);
    editCandidate = -1;
    SetFocus(hwnd);
    if (!IsWindow(hwnd)) {
        return;
    }
    int row = -1;
    int column = -1;
    if (!CellAt(p, &row, &column)) {
        for (int each = 0; each < rows.Count(); ++each) {
            SetState(each, 0, LVIS_SELECTED);
        }
        pressed = !dbl;
        return;
    }
    const bool wasSelected = hadFocus && (rows.At(row).state & LVIS_SELECTED);
    Select(row);
    if (dbl) {
        pressed = false;
        SendActivate(NM_DBLCLK, p);
        return;
    }
    pressed = true;
    if (wasSelected && column == 0 && (StyleOf(hwnd) & LVS_EDITLABELS)) {
        editCandidate = row;
    }
}

// The label editor opens a double-click time after the click, unless a double click came.
void ListViewControl::Release(POINT p) {
    if (!std::exchange(pressed, false)) {
        return;
    }
    SendActivate(NM_CLICK, p);
    if (IsWindow(hwnd) && editCandidate >= 0) {
        SetTimer(hwnd, EditTimer, GetDoubleClickTime(), nullptr);
    }
}

void ListViewControl::Hover(POINT p) {
    if (!(exStyle & LVS_EX_TRACKSELECT)) {
        return;
    }
    int row = -1;
    int column = -1;
    CellAt(p, &row, &column);
    if (row == hoverRow) {
        return;
    }
    hoverRow = row;
    KillTimer(hwnd, HoverTimerId);
    if (row >= 0) {
        UINT time = 400;
        SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &time, 0);
        SetTimer(hwnd, HoverTimerId, time, nullptr);
    }
}

void ListViewControl::HoverTimer() {
    KillTimer(hwnd, HoverTimerId);
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    int row = -1;
    int column = -1;
    if (CellAt(p, &row, &column) && row == hoverRow &&
        (rows.At(row).state & SelectFocus) != SelectFocus) {
        Select(row);
    }
}

void ListViewControl::Key(UINT vk) {
    NMLVKEYDOWN note;
    note.hdr = Header(LVN_KEYDOWN);
    note.wVKey = static_cast<WORD>(vk);
    SendNotify(note.hdr);
    if (!IsWindow(hwnd) || rows.Count() == 0) {
        return;
    }
    const int focus = rows.Next(-1, LVIS_FOCUSED);
    const int step = std::max(PageSize() - 1, 1);
    int target = -1;
    switch (vk) {
    case VK_UP:
        target = focus < 0 ? 0 : focus - 1;
        break;
    case VK_DOWN:
        target = focus + 1;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = rows.Count() - 1;
        break;
    case VK_PRIOR:
        target = focus - step;
        break;
    case VK_NEXT:
        target = std::max(focus, 0) + step;
        break;
    default:
        return;
    }
    Select(std::clamp(target, 0, rows.Count() - 1));
}

// Letters typed within a second of each other make one prefix to look for in column 0.
void ListViewControl::TypeAhead(char c) {
    if (static_cast<unsigned char>(c) < ' ' || rows.Count() == 0) {
        return;
    }
    const LONG now = GetMessageTime();
    if (now - typedAt > TypeAheadPause) {
        typed.clear();
    }
    typedAt = now;
    typed += c;
    const int focus = rows.Next(-1, LVIS_FOCUSED);
    const int start = typed.size() == 1 ? focus + 1 : std::max(focus, 0);
    const int found = rows.FindPrefix(start, typed);
    if (found >= 0) {
        Select(found);
    }
}

// ---- label editing

LRESULT ListViewControl::EditLabel(int row) {
    if (!rows.Valid(row) || !HasFocus(hwnd)) {
        return 0;
    }
    std::string text = rows.Text(row, 0);
    NMLVDISPINFOA info;
    info.hdr = Header(LVN_BEGINLABELEDITA);
    info.item.mask = LVIF_TEXT | LVIF_PARAM;
    info.item.iItem = row;
    info.item.pszText = text.data();
    info.item.lParam = rows.At(row).param;
    if (SendNotify(info.hdr) != 0 || !IsWindow(hwnd) || !rows.Valid(row) || !HasFocus(hwnd)) {
        return 0;
    }
    EnsureVisible(row);
    editRow = row;
    edit = ListViewEditor::Open(hwnd, Geometry().CellRect(row, 0), rows.Text(row, 0), font);
    return reinterpret_cast<LRESULT>(edit);
}

void ListViewControl::EndEdit(bool commit, HWND which) {
    if (!edit || which != edit) {
        return;
    }
    HWND closing = std::exchange(edit, nullptr);
    std::string text = ListViewEditor::TextOf(closing);
    ShowWindow(closing, SW_HIDE);
    if (GetFocus() == closing) {
        SetFocus(hwnd);
    }
    PostMessageA(hwnd, ListViewEditor::DestroyMessage, 0, reinterpret_cast<LPARAM>(closing));
    const int row = std::exchange(editRow, -1);
    if (!rows.Valid(row)) {
        return;
    }
    NMLVDISPINFOA info;
    info.hdr = Header(LVN_ENDLABELEDITA);
    info.item.mask = LVIF_TEXT | LVIF_PARAM;
    info.item.iItem = row;
    info.item.pszText = commit ? text.data() : nullptr;
    info.item.lParam = rows.At(row).param;
    if (SendNotify(info.hdr) != 0 && commit && IsWindow(hwnd) && rows.Valid(row)) {
        SetText(row, 0, text.c_str());
    }
}

// ---- scrolling

void ListViewControl::SetTop(int row) {
    const int next = ListScroller::Clamp(row, rows.Count(), PageSize());
    if (next == top) {
        return;
    }
    top = next;
    scroller.Changed();
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

bool ListViewControl::EnsureVisible(int row) {
    if (!rows.Valid(row)) {
        return false;
    }
    const int page = std::max(PageSize(), 1);
    if (row < top) {
        SetTop(row);
    } else if (row >= top + page) {
        SetTop(row - page + 1);
    }
    return true;
}

void ListViewControl::UpdateStrip() {
    scroller.Update(!(StyleOf(hwnd) & LVS_NOSCROLL));
}

} // namespace ctl
