#include "controls/CXHeaderCtrl.h"

#include "controls/CQvMemDC.h"
#include "platform/afx/CImageList.h"
#include "platform/afx/CPaintDC.h"

#include <algorithm>

namespace {

constexpr int TextBufferSize = 80;
constexpr COLORREF TextBlue = RGB(0, 0, 255);
constexpr UINT TextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

int CentreY(const CRect& r) {
    return (r.top + r.bottom) / 2;
}

} // namespace

BEGIN_MESSAGE_MAP(CXHeaderCtrl, CHeaderCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SYSCOLORCHANGE()
ON_MESSAGE(HDM_SETIMAGELIST, &CXHeaderCtrl::OnSetImageList)
ON_MESSAGE(HDM_LAYOUT, &CXHeaderCtrl::OnLayout)
ON_MESSAGE(HDM_INSERTITEMA, &CXHeaderCtrl::OnInsertItem)
ON_MESSAGE(HDM_INSERTITEMW, &CXHeaderCtrl::OnInsertItem)
ON_MESSAGE(HDM_DELETEITEM, &CXHeaderCtrl::OnDeleteItem)
END_MESSAGE_MAP()

CXHeaderCtrl::CXHeaderCtrl() {
    ReadColours();
}

void CXHeaderCtrl::ReadColours() {
    highlightColor = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    shadowColor = ::GetSysColor(COLOR_BTNSHADOW);
    faceColor = ::GetSysColor(COLOR_BTNFACE);
    headerTextColor = ::GetSysColor(COLOR_BTNTEXT);
}

void CXHeaderCtrl::DrawItem(DRAWITEMSTRUCT*) {}

void CXHeaderCtrl::OnPaint() {
    CPaintDC paint(this);
    if (doubleBuffer) {
        CQvMemDC offscreen(&paint);
        DoPaint(&offscreen);
    } else {
        DoPaint(&paint);
    }
}

// The paint covers the whole face, so there is nothing to erase.
BOOL CXHeaderCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CXHeaderCtrl::OnSysColorChange() {
    CHeaderCtrl::OnSysColorChange();
    ReadColours();
}

LRESULT CXHeaderCtrl::OnSetImageList(WPARAM, LPARAM lParam) {
    IMAGEINFO info;
    CImageList* images = CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(lParam));
    if (images && images->GetImageInfo(0, &info)) {
        const CRect r(info.rcImage);
        imageSize = r.Size();
    }
    return Default();
}

LRESULT CXHeaderCtrl::OnLayout(WPARAM, LPARAM lParam) {
    auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (staticBorder && layout && layout->prc) {
        layout->prc->right += 2 * ::GetSystemMetrics(SM_CXBORDER);
    }
    return Default();
}

LRESULT CXHeaderCtrl::OnInsertItem(WPARAM, LPARAM) {
    return Default();
}

LRESULT CXHeaderCtrl::OnDeleteItem(WPARAM, LPARAM) {
    return Default();
}

void CXHeaderCtrl::DoPaint(CDC* dc) {
    CRect clip;
    if (dc->GetClipBox(&clip) == ERROR) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, faceColor);
    const int count = GetItemCount();

    CPen highlight(PS_SOLID, 1, highlightColor);
    CPen shadow(PS_SOLID, 1, shadowColor);
    HGDIOBJ oldPen = ::GetCurrentObject(dc->m_hDC, OBJ_PEN);
    CFont* font = GetFont();
    HGDIOBJ oldFont = font ? ::SelectObject(dc->m_hDC, font->m_hObject) : nullptr;
    dc->SetBkColor(faceColor);
    dc->SetTextColor(headerTextColor);

    int total = 0;
    for (int position = 0; position < count; ++position) {
        const int index = OrderToIndex(position);
        char text[TextBufferSize] = {};
        HDITEMA item;
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
        item.pszText = text;
        item.cchTextMax = TextBufferSize;
        CRect rect;
        if (!GetItem(index, &item) || !GetItemRect(index, &rect)) {
            continue;
        }
        PaintColumn(dc, index, item, rect);
        if (position < count - 1) {
            PaintDivider(dc, rect, shadow, highlight);
        }
        total += item.cxy;
    }
    if (total > 0) {
        CRect frame = client;
        frame.right = frame.left + total;
        dc->Draw3dRect(&frame, highlightColor, shadowColor);
    }
    if (oldFont) {
        ::SelectObject(dc->m_hDC, oldFont);
    }
    ::SelectObject(dc->m_hDC, oldPen);
}

// A shadow line and a highlight line between two columns.
void CXHeaderCtrl::PaintDivider(CDC* dc, const CRect& rect, CPen& shadow, CPen& highlight) {
    dc->SelectObject(&shadow);
    dc->MoveTo(rect.right - 1, rect.top + 2);
    dc->LineTo(rect.right - 1, rect.bottom - 2);
    dc->SelectObject(&highlight);
    dc->MoveTo(rect.right, rect.top + 2);
    dc->LineTo(rect.right, rect.bottom - 2);
}

void CXHeaderCtrl::PaintColumn(CDC* dc, int index, HDITEMA& item, CRect& rect) {
    if (item.fmt & HDF_OWNERDRAW) {
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_BUTTON;
        draw.CtlID = static_cast<UINT>(GetDlgCtrlID());
        draw.itemID = static_cast<UINT>(index);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = m_hWnd;
        draw.hDC = dc->m_hDC;
        draw.rcItem = rect;
        DrawItem(&draw);
        return;
    }
    rect.DeflateRect(itemSpacing, 0);
    DrawHeaderItem(dc, rect, &item);
    rect.InflateRect(itemSpacing, 0);
}

void CXHeaderCtrl::DrawHeaderItem(CDC* dc, CRect rect, const HDITEMA* item) {
    if (!dc || !item) {
        return;
    }
    HBITMAP bitmap = nullptr;
    CSize bitmapSize(0, 0);
    BITMAP info{};
    if ((item->fmt & HDF_BITMAP) && item->hbm &&
        ::GetObjectA(item->hbm, sizeof(info), &info) == static_cast<int>(sizeof(info))) {
        bitmap = item->hbm;
        bitmapSize = CSize(info.bmWidth, info.bmHeight);
    }
    int used = DrawItemImage(dc, rect, item, false);
    if (used != 0) {
        rect.left += used + itemSpacing;
    }
    used = DrawItemBitmap(dc, rect, item, bitmap, bitmapSize, true);
    if (used != 0) {
        rect.right -= used + itemSpacing;
    }
    DrawItemText(dc, rect, item);
}

int CXHeaderCtrl::DrawItemImage(CDC* dc, const CRect& rect, const HDITEMA* item, bool atRight) {
    CImageList* images = item->iImage != 0 ? GetImageList() : nullptr;
    if (!images || rect.Width() <= 0) {
        return 0;
    }
    const POINT at{atRight ? rect.right - imageSize.cx : rect.left,
                   CentreY(rect) - (imageSize.cy >> 1)};
    const SIZE size{std::min(rect.Width(), imageSize.cx), imageSize.cy};
    const COLORREF oldBack = images->SetBkColor(dc->GetBkColor());
    images->DrawIndirect(dc, item->iImage, at, size, POINT{0, 0});
    images->SetBkColor(oldBack);
    return imageSize.cx;
}

int CXHeaderCtrl::DrawItemBitmap(CDC* dc, const CRect& rect, const HDITEMA*, HBITMAP bitmap,
                                 CSize bitmapSize, bool atRight) {
    if (!bitmap || bitmapSize.cx > rect.Width() || rect.Width() <= 0) {
        return 0;
    }
    const int x = atRight ? rect.right - bitmapSize.cx : rect.left;
    const int y = CentreY(rect) - (bitmapSize.cy >> 1);
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) {
        return 0;
    }
    HGDIOBJ old = ::SelectObject(memory.m_hDC, bitmap);
    const BOOL copied =
        old && dc->BitBlt(x, y, bitmapSize.cx, bitmapSize.cy, &memory, 0, 0, SRCCOPY);
    if (old) {
        ::SelectObject(memory.m_hDC, old);
    }
    return copied ? bitmapSize.cx : 0;
}

void CXHeaderCtrl::DrawItemText(CDC* dc, const CRect& rect, const HDITEMA* item) {
    dc->SetTextColor(TextBlue);
    if (rect.Width() > 0 && (item->mask & HDI_TEXT) && item->pszText && (item->fmt & HDF_STRING)) {
        CRect r = rect;
        dc->DrawText(item->pszText, &r, TextFormat);
    }
}
