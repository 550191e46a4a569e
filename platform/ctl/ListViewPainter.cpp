#include "platform/ctl/ListViewPainter.h"

#include "platform/ctl/HeaderControl.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WinUser.h"

namespace ctl {

namespace {

constexpr int CellMargin = 2;

} // namespace

ListViewPainter::ListViewPainter(HWND list, const ListViewRows& all, const ListViewLayout& where,
                                 ListViewLook how)
    : hwnd(list), rows(all), layout(where), look(how) {}

void ListViewPainter::Paint(HDC dc, const RECT& dirty) const {
    RECT client{};
    GetClientRect(hwnd, &client);
    NMLVCUSTOMDRAW whole = Record(dc, CDDS_PREPAINT, 0, 0, client);
    const LRESULT answer = Ask(whole);
    if ((answer & CDRF_SKIPDEFAULT) || !IsWindow(hwnd)) {
        return;
    }
    const bool askRows = (answer & CDRF_NOTIFYITEMDRAW) != 0;
    for (int row = layout.FirstVisible(); row < layout.LastVisible(rows.Count()); ++row) {
        const RECT bounds = layout.RowBounds(row);
        if (bounds.bottom <= dirty.top || bounds.top >= dirty.bottom) {
            continue;
        }
        LRESULT rowAnswer = CDRF_DODEFAULT;
        if (askRows) {
            NMLVCUSTOMDRAW item = Record(dc, CDDS_ITEMPREPAINT, row, 0, bounds);
            rowAnswer = Ask(item);
            if (!IsWindow(hwnd)) {
                return;
            }
        }
        if (!(rowAnswer & CDRF_SKIPDEFAULT) && rows.Valid(row)) {
            PaintRow(dc, row, askRows && (rowAnswer & CDRF_NOTIFYSUBITEMDRAW));
        }
    }
}

void ListViewPainter::PaintRow(HDC dc, int row, bool askCells) const {
    for (int column : layout.Order()) {
        NMLVCUSTOMDRAW cell =
            Record(dc, CDDS_ITEMPREPAINT | CDDS_SUBITEM, row, column, layout.CellRect(row, column));
        if (askCells && (Ask(cell) & CDRF_SKIPDEFAULT)) {
            continue;
        }
        if (!IsWindow(hwnd) || !rows.Valid(row)) {
            return;
        }
        DrawCell(dc, cell);
    }
}

LRESULT ListViewPainter::Ask(NMLVCUSTOMDRAW& draw) const {
    HWND parent = GetParent(hwnd);
    return parent ? SendMessageA(parent, WM_NOTIFY, draw.nmcd.hdr.idFrom,
                                 reinterpret_cast<LPARAM>(&draw))
                  : CDRF_DODEFAULT;
}

NMLVCUSTOMDRAW ListViewPainter::Record(HDC dc, DWORD stage, int row, int column, RECT r) const {
    NMLVCUSTOMDRAW draw;
    draw.nmcd.hdr = {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), NM_CUSTOMDRAW};
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.hdc = dc;
    draw.nmcd.rc = r;
    draw.iSubItem = column;
    draw.clrText = GetSysColor(look.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    draw.clrTextBk = GetSysColor(look.enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    if (stage & CDDS_ITEM) {
        draw.nmcd.dwItemSpec = static_cast<UINT_PTR>(row);
        const UINT state = rows.Valid(row) ? rows.At(row).state : 0;
        draw.nmcd.uItemState = ((state & LVIS_SELECTED) ? CDIS_SELECTED : 0u) |
                               ((state & LVIS_FOCUSED) && look.focused ? CDIS_FOCUS : 0u) |
                               (look.enabled ? 0u : CDIS_DISABLED);
        draw.nmcd.lItemlParam = rows.Valid(row) ? rows.At(row).param : 0;
    }
    return draw;
}

bool ListViewPainter::Highlighted(int row, int column) const {
    const bool selected = (rows.At(row).state & LVIS_SELECTED) != 0;
    const bool shown = look.focused || (look.style & LVS_SHOWSELALWAYS);
    const bool inRow = column == 0 || (look.exStyle & LVS_EX_FULLROWSELECT);
    return selected && shown && inRow && look.enabled;
}

void ListViewPainter::DrawCell(HDC dc, const NMLVCUSTOMDRAW& draw) const {
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    COLORREF text = draw.clrText;
    COLORREF back = draw.clrTextBk;
    if (Highlighted(row, draw.iSubItem)) {
        back = GetSysColor(look.focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
        text = GetSysColor(look.focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    }
    RECT r = draw.nmcd.rc;
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    RECT inner{r.left + CellMargin, r.top, r.right - CellMargin, r.bottom};
    HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd, LVM_GETHEADER, 0, 0));
    DrawTextA(dc, rows.Text(row, draw.iSubItem).c_str(), -1, &inner,
              HeaderColumnAlignment(header, draw.iSubItem) | DT_SINGLELINE | DT_VCENTER |
                  DT_NOPREFIX | DT_END_ELLIPSIS);
}

} // namespace ctl
