#include "platform/afx/CDC.h"

#include "platform/afx/AfxHandleMap.h"

#include <climits>

namespace {

using DCMap = AfxHandleMap<CDC, HDC>;

DCMap& Map() {
    static DCMap map([](CDC& dc) { dc.m_hDC = dc.m_hAttribDC = nullptr; });
    return map;
}

int Length(const std::string& text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

} // namespace

CDC::~CDC() {
    DeleteDC();
}

BOOL CDC::Attach(HDC hdc) {
    if (!hdc || m_hDC) {
        return FALSE;
    }
    m_hDC = m_hAttribDC = hdc;
    Map().SetPermanent(hdc, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hdc = m_hDC;
    if (hdc) {
        Map().RemovePermanent(hdc, this);
    }
    m_hDC = m_hAttribDC = nullptr;
    return hdc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    HDC created = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    if (!created || !Attach(created)) {
        ::DeleteDC(created);
        return FALSE;
    }
    return TRUE;
}

BOOL CDC::DeleteDC() {
    HDC hdc = Detach();
    return hdc ? ::DeleteDC(hdc) : FALSE;
}

CDC* CDC::FromHandle(HDC hdc) {
    if (!hdc) {
        return nullptr;
    }
    if (CDC* dc = Map().LookupPermanent(hdc)) {
        return dc;
    }
    if (CDC* dc = Map().LookupTemporary(hdc)) {
        return dc;
    }
    auto dc = std::make_unique<CDC>();
    dc->m_hDC = dc->m_hAttribDC = hdc;
    return Map().AddTemporary(hdc, std::move(dc));
}

void CDC::DeleteTempMap() {
    Map().DeleteTemp();
}

HGDIOBJ CDC::Select(HGDIOBJ object) {
    if (!object) {
        return nullptr;
    }
    HGDIOBJ old = nullptr;
    if (m_hDC != m_hAttribDC) {
        old = ::SelectObject(m_hDC, object);
    }
    if (m_hAttribDC) {
        old = ::SelectObject(m_hAttribDC, object);
    }
    return old;
}

CPen* CDC::SelectObject(CPen* pen) {
    return CPen::FromHandle(static_cast<HPEN>(Select(pen ? pen->m_hObject : nullptr)));
}

CBrush* CDC::SelectObject(CBrush* brush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(Select(brush ? brush->m_hObject : nullptr)));
}

CFont* CDC::SelectObject(CFont* font) {
    return CFont::FromHandle(static_cast<HFONT>(Select(font ? font->m_hObject : nullptr)));
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(Select(bitmap ? bitmap->m_hObject : nullptr)));
}

CGdiObject* CDC::SelectStockObject(int index) {
    return CGdiObject::FromHandle(Select(GetStockObject(index)));
}

CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(GetCurrentObject(m_hDC, OBJ_FONT)));
}

int CDC::SaveDC() {
    const int level = ::SaveDC(m_hDC);
    if (m_hAttribDC != m_hDC) {
        ::SaveDC(m_hAttribDC);
    }
    return level;
}

BOOL CDC::RestoreDC(int savedDC) {
    if (m_hAttribDC != m_hDC) {
        ::RestoreDC(m_hAttribDC, savedDC);
    }
    return ::RestoreDC(m_hDC, savedDC);
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    if (m_hAttribDC != m_hDC) {
        ::SetTextColor(m_hAttribDC, colour);
    }
    return ::SetTextColor(m_hDC, colour);
}

COLORREF CDC::SetBkColor(COLORREF colour) {
    if (m_hAttribDC != m_hDC) {
        ::SetBkColor(m_hAttribDC, colour);
    }
    return ::SetBkColor(m_hDC, colour);
}

int CDC::SetBkMode(int mode) {
    if (m_hAttribDC != m_hDC) {
        ::SetBkMode(m_hAttribDC, mode);
    }
    return ::SetBkMode(m_hDC, mode);
}

CPoint CDC::SetWindowOrg(int x, int y) {
    POINT old{};
    if (m_hAttribDC != m_hDC) {
        ::SetWindowOrgEx(m_hAttribDC, x, y, nullptr);
    }
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return old;
}

void CDC::FillSolidRect(const RECT* rect, COLORREF colour) {
    if (!rect) {
        return;
    }
    ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour) {
    const RECT r{x, y, x + cx, y + cy};
    FillSolidRect(&r, colour);
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    if (rect && brush) {
        ::FillRect(m_hDC, rect, *brush);
    }
}

void CDC::FrameRect(const RECT* rect, CBrush* brush) {
    if (rect && brush) {
        ::FrameRect(m_hDC, rect, *brush);
    }
}

void CDC::Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight) {
    if (rect) {
        Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   topLeft, bottomRight);
    }
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}

CPoint CDC::MoveTo(int x, int y) {
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

int CDC::DrawText(const std::string& text, RECT* rect, UINT format) {
    return ::DrawTextA(m_hDC, text.c_str(), Length(text), rect, format);
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    return ::TextOutA(m_hDC, x, y, text.c_str(), Length(text));
}

CSize CDC::GetTextExtent(const std::string& text) const {
    SIZE size{};
    ::GetTextExtentPoint32A(m_hAttribDC, text.c_str(), Length(text), &size);
    return size;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sx, sy, rop);
}

BOOL CDC::DrawState(CPoint p, CSize size, HICON icon, UINT flags, HBRUSH brush) {
    return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(icon), 0, p.x, p.y, size.cx,
                        size.cy, (flags & ~0xFu) | DST_ICON);
}

BOOL CDC::DrawState(CPoint p, CSize size, const std::string& text, UINT flags, BOOL prefixText,
                    HBRUSH brush) {
    const UINT kind = prefixText ? DST_PREFIXTEXT : DST_TEXT;
    return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(text.c_str()),
                        static_cast<WPARAM>(Length(text)), p.x, p.y, size.cx, size.cy,
                        (flags & ~0xFu) | kind);
}
