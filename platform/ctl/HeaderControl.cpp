#include "platform/ctl/HeaderControl.h"

#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/PaintedControl.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <cstring>

namespace ctl {

namespace {

constexpr int TextMargin = 6;
constexpr int HeightPadding = 6;

HeaderItem FromRecord(const HDITEMA& record, const HeaderItem& base) {
    HeaderItem item = base;
    if (record.mask & HDI_WIDTH) {
        item.width = std::max(record.cxy, 0);
    }
    if ((record.mask & HDI_TEXT) && record.pszText) {
        item.text = record.pszText;
    }
    if (record.mask & HDI_FORMAT) {
        item.format = record.fmt;
    }
    if (record.mask & HDI_BITMAP) {
        item.bitmap = record.hbm;
    }
    if (record.mask & HDI_IMAGE) {
        item.image = record.iImage;
    }
    if (record.mask & HDI_LPARAM) {
        item.param = record.lParam;
    }
    return item;
}

} // namespace

UINT HeaderTextAlignment(int format) {
    switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
        return DT_RIGHT;
    case HDF_CENTER:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

UINT HeaderColumnAlignment(HWND header, int column) {
    HDITEMA item;
    item.mask = HDI_FORMAT;
    item.fmt = HDF_LEFT;
    const bool known = header && SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column),
                                              reinterpret_cast<LPARAM>(&item)) != 0;
    return known ? HeaderTextAlignment(item.fmt) : DT_LEFT;
}

ATOM HeaderControl::Register() {
    return ControlMap<HeaderControl>::RegisterBuiltin(0);
}

HeaderControl::HeaderControl(HWND window) : hwnd(window) {}

LRESULT HeaderControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= HDM_FIRST && msg <= HDM_SETORDERARRAY) {
        return HeaderMessage(msg, wParam, lParam);
    }
    LRESULT result = 0;
    if (PaintMessage(hwnd, msg, result, [this](HDC dc) { Paint(dc); }) ||
        FontMessage(msg, wParam, lParam, font, result, [this](bool now) { FontChanged(now); })) {
        return result;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void HeaderControl::FontChanged(bool redrawNow) {
    fontHeight = -1;
    if (redrawNow) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

LRESULT HeaderControl::HeaderMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (msg) {
    case HDM_GETITEMCOUNT:
        return items.Count();
    case HDM_INSERTITEMA:
        return Insert(index, reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_INSERTITEMW:
        return InsertWide(index, reinterpret_cast<const HDITEMW*>(lParam));
    case HDM_DELETEITEM:
        if (!items.Delete(index)) {
            return FALSE;
        }
        Changed(index);
        return TRUE;
    case HDM_GETITEMA:
        return GetItem(index, reinterpret_cast<HDITEMA*>(lParam));
    case HDM_SETITEMA:
        return SetItem(index, reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_LAYOUT:
        return Layout(reinterpret_cast<HDLAYOUT*>(lParam));
    case HDM_GETITEMRECT:
        return GetRect(index, reinterpret_cast<RECT*>(lParam));
    case HDM_SETIMAGELIST: {
        HIMAGELIST old = images;
        images = reinterpret_cast<HIMAGELIST>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case HDM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(images);
    case HDM_ORDERTOINDEX:
        return items.OrderToIndex(index);
    case HDM_GETORDERARRAY:
        return GetOrder(index, reinterpret_cast<int*>(lParam));
    case HDM_SETORDERARRAY:
        if (!items.SetOrder(reinterpret_cast<const int*>(lParam), index)) {
            return FALSE;
        }
        Changed(-1);
        return TRUE;
    default:
        return 0;
    }
}

LRESULT HeaderControl::Insert(int index, const HDITEMA* record) {
    if (!record || index < 0) {
        return -1;
    }
    const int at = items.Insert(index, FromRecord(*record, HeaderItem{}));
    Changed(at);
    return at;
}

// Wide texts keep their ASCII characters; the rest show as '?'.
LRESULT HeaderControl::InsertWide(int index, const HDITEMW* record) {
    if (!record) {
        return -1;
    }
    std::string narrow;
    for (const WCHAR* c = record->pszText; c && *c && narrow.size() < 1024; ++c) {
        narrow += *c < 0x80 ? static_cast<char>(*c) : '?';
    }
    HDITEMA ansi;
    ansi.mask = record->mask;
    ansi.cxy = record->cxy;
    ansi.pszText = narrow.data();
    ansi.hbm = record->hbm;
    ansi.fmt = record->fmt;
    ansi.lParam = record->lParam;
    ansi.iImage = record->iImage;
    if (!record->pszText) {
        ansi.mask &= ~HDI_TEXT;
    }
    return Insert(index, &ansi);
}

LRESULT HeaderControl::GetItem(int index, HDITEMA* record) const {
    if (!record || !items.Valid(index)) {
        return FALSE;
    }
    const HeaderItem& item = items.At(index);
    if (record->mask & HDI_WIDTH) {
        record->cxy = item.width;
    }
    if ((record->mask & HDI_TEXT) && record->pszText && record->cchTextMax > 0) {
        const std::size_t n =
            std::min(item.text.size(), static_cast<std::size_t>(record->cchTextMax - 1));
        std::memcpy(record->pszText, item.text.data(), n);
        record->pszText[n] = '\0';
    }
    if (record->mask & HDI_FORMAT) {
        record->fmt = item.format;
    }
    if (record->mask & HDI_BITMAP) {
        record->hbm = item.bitmap;
    }
    if (record->mask & HDI_IMAGE) {
        record->iImage = item.image;
    }
    if (record->mask & HDI_LPARAM) {
        record->lParam = item.param;
    }
    if (record->mask & HDI_ORDER) {
        record->iOrder = items.PositionOf(index);
    }
    return TRUE;
}

LRESULT HeaderControl::SetItem(int index, const HDITEMA* record) {
    if (!record || !items.Valid(index)) {
        return FALSE;
    }
    items.At(index) = FromRecord(*record, items.At(index));
    Changed(index);
    return TRUE;
}

LRESULT HeaderControl::GetRect(int index, RECT* r) const {
    if (!r || !items.Valid(index)) {
        return FALSE;
    }
    const int left = items.LeftOf(index);
    *r = {left, 0, left + items.At(index).width, ClientRectOf(hwnd).bottom};
    return TRUE;
}

int HeaderControl::Height() const {
    if (StyleOf(hwnd) & HDS_HIDDEN) {
        return 0;
    }
    if (fontHeight < 0) {
        fontHeight = FontHeight(hwnd, font, 0);
    }
    return fontHeight + HeightPadding;
}

LRESULT HeaderControl::Layout(HDLAYOUT* layout) const {
    if (!layout || !layout->prc || !layout->pwpos) {
        return FALSE;
    }
    RECT& area = *layout->prc;
    const int height = Height();
    *layout->pwpos = WINDOWPOS{};
    layout->pwpos->hwnd = hwnd;
    layout->pwpos->x = area.left;
    layout->pwpos->y = area.top;
    layout->pwpos->cx = area.right - area.left;
    layout->pwpos->cy = height;
    layout->pwpos->flags = SWP_NOZORDER | SWP_NOACTIVATE;
    area.top += height;
    return TRUE;
}

LRESULT HeaderControl::GetOrder(int count, int* order) const {
    if (!order || count != items.Count()) {
        return FALSE;
    }
    std::copy(items.Order().begin(), items.Order().end(), order);
    return TRUE;
}

// The parent hears of every change (item -1: the order) so that cells follow their columns.
void HeaderControl::Changed(int index) {
    InvalidateRect(hwnd, nullptr, TRUE);
    HWND parent = GetParent(hwnd);
    if (parent) {
        NMHEADERA note;
        note.hdr = {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), HDN_ITEMCHANGEDA};
        note.iItem = index;
        SendMessageA(parent, WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
    }
}

// ---- painting

void HeaderControl::Paint(HDC dc) {
    UseFont(dc, font);
    const RECT client = ClientRectOf(hwnd);
    int left = 0;
    for (int index : items.Order()) {
        RECT r{left, 0, left + items.At(index).width, client.bottom};
        PaintItem(dc, index, r);
        left = r.right;
    }
    if (left < client.right) {
        RECT rest{left, 0, client.right, client.bottom};
        FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &rest, EDGE_RAISED, BF_RECT);
    }
}

void HeaderControl::PaintItem(HDC dc, int index, const RECT& cell) const {
    const HeaderItem& item = items.At(index);
    RECT r = cell;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    if (item.format & HDF_OWNERDRAW) {
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_HEADER;
        draw.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        draw.itemID = static_cast<UINT>(index);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = hwnd;
        draw.hDC = dc;
        draw.rcItem = cell;
        draw.itemData = static_cast<UINT_PTR>(item.param);
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        return;
    }
    RECT text{cell.left + TextMargin, cell.top, cell.right - TextMargin, cell.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextA(dc, item.text.c_str(), -1, &text,
              HeaderTextAlignment(item.format) | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS |
                  DT_NOPREFIX);
}

} // namespace ctl
