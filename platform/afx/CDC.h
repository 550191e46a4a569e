#pragma once
// A drawing surface. Output goes to m_hDC; queries (text size, metrics) read m_hAttribDC,
// which is the same handle unless a derived class splits them. A CDC that still holds a
// handle when it dies deletes it, so wrappers of borrowed handles detach first.
#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CPen.h"
#include "platform/afx/CRect.h"

#include <string>

class CDC {
  public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC hdc);
    HDC Detach();
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    BOOL IsPrinting() const { return m_bPrinting; }
    // The permanent wrapper of hdc or a temporary one; null for none.
    static CDC* FromHandle(HDC hdc);
    static void DeleteTempMap();

    // Selecting returns the object replaced, as its permanent or a temporary wrapper.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectStockObject(int index);
    CFont* GetCurrentFont() const;

    int SaveDC();
    BOOL RestoreDC(int savedDC);
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
    int SetBkMode(int mode);
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
    int GetClipBox(RECT* box) const { return ::GetClipBox(m_hDC, box); }

    void FillSolidRect(const RECT* rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FillRect(const RECT* rect, CBrush* brush);
    void FrameRect(const RECT* rect, CBrush* brush);
    void Draw3dRect(const RECT* rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(RECT* rect, UINT edge, UINT flags) {
        return ::DrawEdge(m_hDC, rect, edge, flags);
    }
    void DrawFocusRect(const RECT* rect) { ::DrawFocusRect(m_hDC, rect); }
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }

    int DrawText(const std::string& text, RECT* rect, UINT format);
    BOOL TextOut(int x, int y, const std::string& text);
    CSize GetTextExtent(const std::string& text) const;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const {
        return ::GetTextMetricsA(m_hAttribDC, metrics);
    }

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop);
    // An icon, or prefix text when prefixText, at a point and size (0 = natural), with
    // DSS_NORMAL or DSS_DISABLED in flags.
    BOOL DrawState(CPoint p, CSize size, HICON icon, UINT flags, HBRUSH brush = nullptr);
    BOOL DrawState(CPoint p, CSize size, const std::string& text, UINT flags,
                   BOOL prefixText = TRUE, HBRUSH brush = nullptr);

  private:
    HGDIOBJ Select(HGDIOBJ object);
};
