#pragma once
// The grid's column header: the platform header keeps the columns, sizes and hit-tests them;
// this class only paints them, flat, off-screen, with centred blue text, a two-line separator
// after every displayed column but the last and a 3D frame around the columns.
#include "platform/afx/CHeaderCtrl.h"

class CPen;

class CXHeaderCtrl : public CHeaderCtrl {
  public:
    CXHeaderCtrl();

    // Owner-drawn columns show only the face.
    void DrawItem(DRAWITEMSTRUCT* item) override;
    // One column's image (left), bitmap (right) and text (centred in what remains).
    virtual void DrawHeaderItem(CDC* dc, CRect rect, const HDITEMA* item);

    CSize GetImageSize() const { return imageSize; }
    COLORREF GetFaceColor() const { return faceColor; }

  protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSysColorChange();
    LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    LRESULT OnInsertItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

  private:
    void DoPaint(CDC* dc);
    void PaintColumn(CDC* dc, int index, HDITEMA& item, CRect& rect);
    void PaintDivider(CDC* dc, const CRect& rect, CPen& shadow, CPen& highlight);
    int DrawItemImage(CDC* dc, const CRect& rect, const HDITEMA* item, bool atRight);
    int DrawItemBitmap(CDC* dc, const CRect& rect, const HDITEMA* item, HBITMAP bitmap,
                       CSize bitmapSize, bool atRight);
    void DrawItemText(CDC* dc, const CRect& rect, const HDITEMA* item);
    void ReadColours();

    BOOL doubleBuffer = TRUE;
    int itemSpacing = 6;
    CSize imageSize{0, 0};
    BOOL staticBorder = FALSE;
    COLORREF highlightColor = 0;
    COLORREF shadowColor = 0;
    COLORREF faceColor = 0;
    COLORREF headerTextColor = 0;
};
