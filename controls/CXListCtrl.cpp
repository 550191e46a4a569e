#include "controls/CXListCtrl.h"

#include "controls/CXComboList.h"
#include "controls/TooltipText.h"
#include "controls/XListMessages.h"
#include "module/InterfaceTexts.h"
#include "platform/afx/CClientDC.h"
#include "platform/afx/CPaintDC.h"
#include "platform/sys/KernelStrings.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

using CellArray = std::vector<XListCellData>;

constexpr int emptyMessageGap = 10;
constexpr int toolRowFactor = 1000;

} // namespace

BEGIN_MESSAGE_MAP(CXListCtrl, CListCtrl)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_SYSCOLORCHANGE()
ON_WM_TIMER()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CXListCtrl::OnCustomDraw)
ON_NOTIFY_REFLECT_EX(NM_CLICK, &CXListCtrl::OnClick)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFFu, &CXListCtrl::OnNeedTooltipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFFu, &CXListCtrl::OnNeedTooltipText)
ON_REGISTERED_MESSAGE(GetXListMessages().comboReturn, &CXListCtrl::OnComboMessage)
ON_REGISTERED_MESSAGE(GetXListMessages().comboEscape, &CXListCtrl::OnComboMessage)
ON_REGISTERED_MESSAGE(GetXListMessages().comboKeyDown, &CXListCtrl::OnComboMessage)
ON_REGISTERED_MESSAGE(GetXListMessages().comboLButtonUp, &CXListCtrl::OnComboMessage)
END_MESSAGE_MAP()

CXListCtrl::CXListCtrl() {
    ReadColors();
}

CXListCtrl::~CXListCtrl() {
    dropDown.reset();
}

void CXListCtrl::SetTranslator(Translator translate) {
    translator = std::move(translate);
}

void CXListCtrl::ReadColors() {
    const auto sys = [](int index) { return static_cast<COLORREF>(::GetSysColor(index)); };
    shadowColor = sys(COLOR_3DSHADOW);
    btnFaceColor = sys(COLOR_BTNFACE);
    btnShadowColor = sys(COLOR_BTNSHADOW);
    highlightColor = sys(COLOR_HIGHLIGHT);
    highlightTextColor = sys(COLOR_HIGHLIGHTTEXT);
    windowColor = sys(COLOR_WINDOW);
    windowTextColor = sys(COLOR_WINDOWTEXT);
}

// ---- Rows and their records

int CXListCtrl::InsertItem(int row, const char* text) {
    return InsertItem(row, text, windowTextColor, windowColor);
}

// One insertion carries the text and the records.
int CXListCtrl::InsertItem(int row, const char* text, COLORREF textColor, COLORREF backColor) {
    if (row < 0) {
        return -1;
    }
    CellArray cells(static_cast<std::size_t>(columnCount));
    if (!cells.empty()) {
        cells.front().textColor = textColor;
        cells.front().backColor = backColor;
        cells.front().imageIndex = -1;
    }
    LVITEMA item;
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text ? text : "");
    // The list's report of this insertion gives the row its records.
    const Insertion outer = std::exchange(inserting, {&item, &cells});
    const int index = CListCtrl::InsertItem(&item);
    inserting = outer;
    return index;
}

void CXListCtrl::DeleteItem(int row) {
    if (row < 0 || row >= GetItemCount()) {
        return;
    }
    dropDownEdit.RowsRemoved(row);
    CListCtrl::DeleteItem(row);
}

void CXListCtrl::DeleteAllItems() {
    dropDownEdit.RowsRemoved(0);
    CListCtrl::DeleteAllItems();
}

bool CXListCtrl::IsValidCell(int row, int column) const {
    return rowsKept.Valid(row) && column >= 0 && column < columnCount;
}

XListCellData* CXListCtrl::GetCellData(int row, int column) const {
    return IsValidCell(row, column) ? rowsKept.Writable(row, column) : nullptr;
}

const XListCellData* CXListCtrl::PeekCellData(int row, int column) const {
    return IsValidCell(row, column) ? rowsKept.Readable(row, column) : nullptr;
}

// ---- The list's row messages

LRESULT CXListCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case LVM_SETITEMA:
    case LVM_SETITEMTEXTA:
        return SetItemMessage(msg, wParam, lParam);
    case LVM_GETITEMA:
    case LVM_GETITEMTEXTA:
        return GetItemMessage(msg, wParam, lParam);
    case WM_SETREDRAW:
        redrawOn = wParam != 0;
        break;
    default:
        break;
    }
    const LRESULT result = CListCtrl::WindowProc(msg, wParam, lParam);
    TrackRows(msg, wParam, lParam, result);
    return result;
}

// Texts of column 1 and up stay with the grid; the rest goes on to the list.
LRESULT CXListCtrl::SetItemMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* item = reinterpret_cast<const LVITEMA*>(lParam);
    if (!item) {
        return CListCtrl::WindowProc(msg, wParam, lParam);
    }
    LVITEMA rest = *item;
    if (msg == LVM_SETITEMTEXTA) {
        rest.mask = LVIF_TEXT;
        rest.iItem = static_cast<int>(static_cast<LONG_PTR>(wParam));
    }
    if (rest.iSubItem < 1 || !(rest.mask & LVIF_TEXT)) {
        return CListCtrl::WindowProc(msg, wParam, lParam);
    }
    if (!rowsKept.Valid(rest.iItem)) {
        return FALSE;
    }
    rowsKept.SetText(rest.iItem, rest.iSubItem, rest.pszText ? rest.pszText : "");
    rest.mask &= ~static_cast<UINT>(LVIF_TEXT);
    return rest.mask ? CListCtrl::WindowProc(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&rest))
                     : TRUE;
}

LRESULT CXListCtrl::GetItemMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<LVITEMA*>(lParam);
    const int row = item && msg == LVM_GETITEMTEXTA
                        ? static_cast<int>(static_cast<LONG_PTR>(wParam))
                        : (item ? item->iItem : -1);
    const bool text = item && (msg == LVM_GETITEMTEXTA || (item->mask & LVIF_TEXT));
    if (!text || item->iSubItem < 1) {
        return CListCtrl::WindowProc(msg, wParam, lParam);
    }
    if (!rowsKept.Valid(row)) {
        return msg == LVM_GETITEMTEXTA ? 0 : FALSE;
    }
    const int copied =
        qvsql::CopyToBuffer(rowsKept.Text(row, item->iSubItem), item->pszText, item->cchTextMax);
    if (msg == LVM_GETITEMTEXTA) {
        return copied;
    }
    const UINT mask = item->mask;
    item->mask &= ~static_cast<UINT>(LVIF_TEXT);
    const LRESULT result = item->mask ? CListCtrl::WindowProc(msg, wParam, lParam) : TRUE;
    item->mask = mask;
    return result;
}

void CXListCtrl::TrackRows(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT result) {
    switch (msg) {
    case LVM_INSERTITEMA:
        if (result >= 0 && lParam) {
            const bool ours = lParam == reinterpret_cast<LPARAM>(inserting.item);
            rowsKept.Insert(static_cast<int>(result), ours ? inserting.records : nullptr);
        }
        break;
    case LVM_DELETEITEM:
        if (result) {
            rowsKept.Erase(static_cast<int>(static_cast<LONG_PTR>(wParam)));
        }
        break;
    case LVM_DELETEALLITEMS:
    case WM_DESTROY:
        rowsKept.Clear();
        break;
    case LVM_SETITEMCOUNT:
        rowsKept.Reserve(static_cast<int>(static_cast<LONG_PTR>(wParam)));
        break;
    case LVM_INSERTCOLUMNA:
        if (result >= 0) {
            rowsKept.InsertColumn(static_cast<int>(result));
        }
        CountColumns();
        break;
    case LVM_DELETECOLUMN:
        if (result) {
            rowsKept.DeleteColumn(static_cast<int>(static_cast<LONG_PTR>(wParam)));
        }
        CountColumns();
        break;
    default:
        break;
    }
}

void CXListCtrl::CountColumns() {
    const HWND header = GetHeaderWindow();
    columnCount = header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

// ---- Cells

BOOL CXListCtrl::SetItemText(int row, int column, const char* text) {
    if (!IsValidCell(row, column)) {
        return FALSE;
    }
    BOOL result = TRUE;
    if (column > 0) {
        rowsKept.SetText(row, column, text ? text : "");
    } else {
        result = CListCtrl::SetItemText(row, column, text);
    }
    UpdateCell(row, column);
    return result;
}

std::string CXListCtrl::GetItemText(int row, int column) const {
    if (!IsValidCell(row, column)) {
        return {};
    }
    return column > 0 ? std::string(rowsKept.Text(row, column))
                      : CListCtrl::GetItemText(row, column);
}

BOOL CXListCtrl::SetCheckState(int row, int column, int state) {
    if (!IsValidCell(row, column) ||
        !rowsKept.Change(row, column, [state](XListCellData& cell) { cell.checkState = state; })) {
        return FALSE;
    }
    rowsKept.Touch();
    UpdateCell(row, column);
    return TRUE;
}

int CXListCtrl::GetCheckState(int row, int column) const {
    const XListCellData* cell = PeekCellData(row, column);
    return cell ? cell->checkState : -1;
}

BOOL CXListCtrl::SetDropDown(int row, int column, BOOL enable,
                             const std::vector<std::string>* choices, int rows, int initialChoice) {
    if (!IsValidCell(row, column) || !choices) {
        return FALSE;
    }
    const auto count = static_cast<int>(std::min<std::size_t>(choices->size(), INT32_MAX));
    if (initialChoice < 0 || initialChoice >= count) {
        initialChoice = 0;
    }
    const bool stored = rowsKept.Change(row, column, [&](XListCellData& cell) {
        cell.hasDropDown = enable;
        if (enable) {
            cell.choices = choices;
            cell.dropDownRows = rows;
            cell.initialChoice = initialChoice;
        }
    });
    if (!stored) {
        return FALSE;
    }
    if (enable) {
        if (initialChoice < count) {
            SetItemText(row, column, (*choices)[static_cast<std::size_t>(initialChoice)]);
        }
    }
    UpdateCell(row, column);
    return TRUE;
}

BOOL CXListCtrl::SetCellTooltip(int row, int column, const char* text) {
    return IsValidCell(row, column) && rowsKept.SetTooltip(row, column, text ? text : "");
}

void CXListCtrl::SetCurSel(int row) {
    if (row >= 0 && row < GetItemCount()) {
        SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

int CXListCtrl::GetCurSel() const {
    return GetNextItem(-1, LVNI_SELECTED);
}

// While redraw is off nothing would be drawn, and turning it on repaints the whole list.
void CXListCtrl::UpdateCell(int row, int column) {
    CRect rect;
    if (redrawOn && GetCellRect(row, column, LVIR_BOUNDS, rect)) {
        InvalidateRect(&rect, TRUE);
        UpdateWindow();
    }
}

int CXListCtrl::GetColumnCount() const {
    return columnCount;
}

BOOL CXListCtrl::GetCellRect(int row, int column, int area, CRect& rect) const {
    if (!IsValidCell(row, column)) {
        return FALSE;
    }
    const BOOL result = GetSubItemRect(row, column, area, rect);
    const int columns = GetColumnCount();
    if (column != 0 || columns <= 1) {
        return result;
    }
    // The list answers the whole row for column 0; cut it down to the cell.
    CRect neighbour;
    if (columnBeforeFirst >= 0 && columnBeforeFirst < columns) {
        GetSubItemRect(row, columnBeforeFirst, area, neighbour);
        rect.left = neighbour.right;
    } else if (columnBeforeFirst < 0) {
        GetSubItemRect(row, 1, area, neighbour);
        rect.right = neighbour.left;
    }
    return result;
}

// ---- Window lifecycle

void CXListCtrl::TakeOverHeader() {
    const HWND header = GetHeaderWindow();
    if (!headerTakenOver && header && headerCtrl.SubclassWindow(header)) {
        headerTakenOver = true;
    }
    CountColumns();
}

void CXListCtrl::PreSubclassWindow() {
    CListCtrl::PreSubclassWindow();
    TakeOverHeader();
}

int CXListCtrl::OnCreate(CREATESTRUCTA* create) {
    const int result = CListCtrl::OnCreate(create);
    if (result == 0) {
        TakeOverHeader();
    }
    return result;
}

void CXListCtrl::OnDestroy() {
    dropDownEdit.EndWithWindow();
    rowsKept.Clear();
    CListCtrl::OnDestroy();
}

void CXListCtrl::OnSysColorChange() {
    CListCtrl::OnSysColorChange();
    ReadColors();
}

void CXListCtrl::OnTimer(UINT_PTR id) {
    if (!dropDownEdit.OnTimer(id)) {
        CListCtrl::OnTimer(id);
    }
}

LRESULT CXListCtrl::OnComboMessage(WPARAM, LPARAM) {
    const MSG* message = GetCurrentMessage();
    if (message) {
        dropDownEdit.OnComboMessage(message->message);
    }
    return 0;
}

void CXListCtrl::NotifyParent(UINT message, int row, int column) {
    HWND target = ::GetParent(m_hWnd);
    if (!target) {
        target = ::GetWindow(m_hWnd, GW_OWNER);
    }
    if (target && ::IsWindow(target)) {
        ::SendMessageA(target, message, static_cast<WPARAM>(row), static_cast<LPARAM>(column));
    }
}

// ---- Painting

void CXListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        ReadPaintLook();
        *result = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        if (CDC* dc = CDC::FromHandle(draw->nmcd.hdc)) {
            DrawCell(*dc, static_cast<int>(draw->nmcd.dwItemSpec), draw->iSubItem);
        }
        *result = CDRF_SKIPDEFAULT;
        break;
    default:
        *result = CDRF_DODEFAULT;
        break;
    }
}

XListLook CXListCtrl::Look() const {
    XListLook look;
    look.shadow = shadowColor;
    look.btnFace = btnFaceColor;
    look.btnShadow = btnShadowColor;
    look.highlight = highlightColor;
    look.highlightText = highlightTextColor;
    look.window = windowColor;
    look.windowText = windowTextColor;
    look.focused = ::GetFocus() == m_hWnd;
    look.fullRowSelect = (GetExtendedStyle() & LVS_EX_FULLROWSELECT) != 0;
    look.showSelAlways = (GetStyle() & LVS_SHOWSELALWAYS) != 0;
    return look;
}

// Read once per paint: nothing a cell's drawing does changes them.
void CXListCtrl::ReadPaintLook() {
    paintLook = Look();
    const int columns = GetColumnCount();
    paintAlignments.resize(static_cast<std::size_t>(std::max(columns, 0)));
    for (int column = 0; column < columns; ++column) {
        paintAlignments[static_cast<std::size_t>(column)] = ColumnAlignment(column);
    }
}

// Centred or left as the header says, right otherwise.
UINT CXListCtrl::ColumnAlignment(int column) const {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    ::SendMessageA(GetHeaderWindow(), HDM_GETITEMA, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&item));
    switch (item.fmt & HDF_JUSTIFYMASK) {
    case HDF_CENTER:
        return DT_CENTER;
    case HDF_LEFT:
        return DT_LEFT;
    default:
        return DT_RIGHT;
    }
}

void CXListCtrl::DrawCell(CDC& dc, int row, int column) {
    XListCell cell;
    if (!GetCellRect(row, column, LVIR_BOUNDS, cell.rect)) {
        return;
    }
    cell.column = column;
    cell.data = PeekCellData(row, column);
    cell.text = GetItemText(row, column);
    cell.selected = (GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    const auto index = static_cast<std::size_t>(column);
    cell.align = index < paintAlignments.size() ? paintAlignments[index] : DT_RIGHT;
    XListCellReveal found = XListCellPainter(dc, paintLook).Draw(cell);
    if (found.startingChoice.empty() && !found.pressed) {
        return;
    }
    PaintReveal reveal{row, column, cell.rect, std::move(found), std::nullopt};
    LOGFONTA description{};
    CFont* current = reveal.found.pressed && !fontCreated ? dc.GetCurrentFont() : nullptr;
    if (current && current->GetLogFont(&description)) {
        reveal.font = description;
    }
    paintReveals.push_back(std::move(reveal));
}

// A starting choice is stored in its cell (which repaints it); a pressed button is remembered
// and opens the drop-down when none is open.
void CXListCtrl::ApplyPaintReveals() {
    const std::vector<PaintReveal> reveals = std::exchange(paintReveals, {});
    for (const PaintReveal& reveal : reveals) {
        if (!reveal.found.startingChoice.empty()) {
            SetItemText(reveal.row, reveal.column, reveal.found.startingChoice);
        }
        if (reveal.found.pressed) {
            dropDownButtonRect = reveal.found.buttonRect;
            if (!dropDown) {
                dropDownEdit.Open(reveal.font ? &*reveal.font : nullptr, reveal.cell, reveal.row,
                                  reveal.column);
            }
        }
    }
}

void CXListCtrl::OnPaint() {
    CListCtrl::OnPaint();
    if (GetItemCount() == 0) {
        DrawEmptyMessage();
    }
    ApplyPaintReveals();
}

std::string CXListCtrl::GetEmptyMessage() const {
    return qvsql::texts::gridEmpty;
}

void CXListCtrl::DrawEmptyMessage() {
    CClientDC dc(this);
    const int saved = dc.SaveDC();
    CRect rect;
    GetWindowRect(&rect);
    ScreenToClient(&rect);
    const HWND header = GetHeaderWindow();
    CRect first;
    if (header && ::SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first))) {
        rect.top += first.bottom;
    }
    rect.top += emptyMessageGap;
    const std::string message = GetEmptyMessage();
    std::string text = translator ? translator(qvsql::texts::section, message) : std::string();
    if (text.empty()) {
        text = message;
    }
    dc.FillSolidRect(&rect, windowColor);
    dc.SetTextColor(windowTextColor);
    dc.SetBkColor(windowColor);
    dc.SelectStockObject(ANSI_VAR_FONT);
    dc.DrawText(text, &rect, DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    dc.RestoreDC(saved);
}

// ---- Mouse

// Rows are all as high as the first and follow each other down, so only one can hold the point.
int CXListCtrl::RowAt(CPoint point) const {
    CRect first;
    const int count = GetItemCount();
    if (count <= 0 || !GetItemRect(0, &first, LVIR_BOUNDS) || first.Height() <= 0) {
        return -1;
    }
    const std::int64_t below = std::int64_t{point.y} - first.top;
    if (below < 0 || below / first.Height() >= count) {
        return -1;
    }
    const auto row = static_cast<int>(below / first.Height());
    CRect bounds;
    return GetItemRect(row, &bounds, LVIR_BOUNDS) && bounds.PtInRect(point) ? row : -1;
}

int CXListCtrl::ColumnAt(int row, CPoint point) const {
    const int columns = GetColumnCount();
    for (int column = 0; column < columns; ++column) {
        CRect cell;
        if (GetCellRect(row, column, LVIR_BOUNDS, cell) && cell.PtInRect(point)) {
            return column;
        }
    }
    return -1;
}

void CXListCtrl::OnLButtonDown(UINT, CPoint point) {
    const int row = RowAt(point);
    if (row >= 0) {
        const XListCellData* first = PeekCellData(row, 0);
        if (!first || !first->enabled) {
            return; // not even the list's own handling: the selection stays
        }
    }
    const int column = row >= 0 ? ColumnAt(row, point) : -1;
    const XListCellData* cell = PeekCellData(row, column);
    if (cell && cell->checkState >= 0) {
        rowsKept.Change(row, column, [](XListCellData& toggled) {
            toggled.checkState = toggled.checkState == 0 ? 1 : 0;
        });
        rowsKept.Touch();
        UpdateCell(row, column);
        NotifyParent(GetXListMessages().checkboxClicked, row, column);
    } else if (cell && cell->hasDropDown) {
        dropDownEdit.Press(row, column);
    } else if (dropDown) {
        dropDownEdit.Cancel();
    }
    Default();
}

BOOL CXListCtrl::OnClick(NMHDR*, LRESULT*) {
    dropDownEdit.ReleasePress();
    return FALSE; // the parent still hears of the click
}

// ---- Tooltips

INT_PTR CXListCtrl::OnToolHitTest(CPoint point, TOOLINFOA* tool) const {
    LVHITTESTINFO hit;
    hit.pt = point;
    SubItemHitTest(&hit);
    if (!(hit.flags & LVHT_ONITEMLABEL)) {
        return -1;
    }
    const INT_PTR id = static_cast<INT_PTR>(hit.iItem) * toolRowFactor + hit.iSubItem + 1;
    if (tool) {
        tool->hwnd = m_hWnd;
        tool->uId = static_cast<UINT_PTR>(id);
        tool->lpszText = LPSTR_TEXTCALLBACKA;
        GetClientRect(&tool->rect);
    }
    return id;
}

BOOL CXListCtrl::OnNeedTooltipText(UINT, NMHDR* header, LRESULT* result) {
    if (!header) {
        return FALSE;
    }
    if (header->idFrom == 0) {
        if (result) {
            *result = 0;
        }
        return TRUE;
    }
    const DWORD pos = ::GetMessagePos();
    CPoint point(static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos)));
    ScreenToClient(&point);
    LVHITTESTINFO hit;
    hit.pt = point;
    SubItemHitTest(&hit);
    if (!(hit.flags & LVHT_ONITEMLABEL)) {
        return FALSE;
    }
    const XListCellData* cell = PeekCellData(hit.iItem, hit.iSubItem);
    if (!cell || cell->tooltipText.empty()) {
        return FALSE;
    }
    tooltiptext::Copy(cell->tooltipText, *header);
    return FALSE;
}
