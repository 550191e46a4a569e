#pragma once
// Paints one cell of a CXListCtrl during the list's custom draw: plain text, check box or
// drop-down cell, in the grid's colours with the selection rule applied.
#include "platform/afx/CRect.h"
#include "platform/base/WinDef.h"

#include <string>

class CDC;
class CXListCtrl;
struct XListCellData;

class XListCellPainter {
  public:
    XListCellPainter(CXListCtrl& owner, CDC& surface) : grid(owner), dc(surface) {}

    void Draw(int row, int column);

  private:
    struct Colors {
        COLORREF text;
        COLORREF back;
    };

    Colors CellColors(int row, int column, const XListCellData* cell) const;
    bool IsSelected(int row) const;
    UINT Alignment(int column) const;
    void DrawPlain(int row, int column, const XListCellData* cell, const CRect& rect);
    void DrawCheckBox(int row, int column, const XListCellData& cell, const CRect& rect);
    void DrawCheckMark(const CRect& box);
    void DrawDropDown(int row, int column, const XListCellData& cell, const CRect& rect);
    void DrawArrow(int x, int y);
    void DrawCellText(const std::string& text, CRect rect, UINT align, Colors colors);

    CXListCtrl& grid;
    CDC& dc;
};
