#include "controls/XListCellPainter.h"

#include "controls/CXListCtrl.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CPen.h"

namespace {

constexpr int checkBoxIndent = 9;
constexpr int checkBoxTextGap = 4;
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

} // namespace

void XListCellPainter::Draw(int row, int column) {
    CRect rect;
    if (!grid.GetCellRect(row, column, LVIR_BOUNDS, rect)) {
        return;
    }
    const XListCellData* cell = grid.GetCellData(row, column);
    if (cell && cell->hasDropDown) {
        if (IsSelected(row)) {
            DrawDropDown(row, column, *cell, rect);
        } else {
            DrawPlain(row, column, cell, rect);
        }
    } else if (cell && cell->checkState != -1) {
        DrawCheckBox(row, column, *cell, rect);
    } else {
        DrawPlain(row, column, cell, rect);
    }
}

bool XListCellPainter::IsSelected(int row) const {
    return (grid.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

XListCellPainter::Colors XListCellPainter::CellColors(int row, int column,
                                                      const XListCellData* cell) const {
    Colors colors{grid.windowTextColor, grid.windowColor};
    if (cell) {
        colors = {cell->textColor, cell->backColor};
    }
    const bool fullRow = (grid.GetExtendedStyle() & LVS_EX_FULLROWSELECT) != 0;
    if (!IsSelected(row) || (!fullRow && column != 0)) {
        return colors;
    }
    if (::GetFocus() == grid.m_hWnd) {
        return {grid.highlightTextColor, grid.highlightColor};
    }
    if (grid.GetStyle() & LVS_SHOWSELALWAYS) {
        return {grid.windowTextColor, grid.btnFaceColor};
    }
    return colors;
}

UINT XListCellPainter::Alignment(int column) const {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    ::SendMessageA(grid.GetHeaderWindow(), HDM_GETITEMA, static_cast<WPARAM>(column),
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

void XListCellPainter::DrawCellText(const std::string& text, CRect rect, UINT align,
                                    Colors colors) {
    dc.SetTextColor(colors.text);
    dc.SetBkColor(colors.back);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &rect, align | DT_SINGLELINE | DT_VCENTER);
    dc.SetBkMode(oldMode);
}

void XListCellPainter::DrawPlain(int row, int column, const XListCellData* cell,
                                 const CRect& rect) {
    const Colors colors = CellColors(row, column, cell);
    dc.FillSolidRect(&rect, colors.back);
    const std::string text = grid.GetItemText(row, column);
    if (!text.empty()) {
        DrawCellText(text, rect, Alignment(column), colors);
    }
}

void XListCellPainter::DrawCheckBox(int row, int column, const XListCellData& cell,
                                    const CRect& rect) {
    const Colors colors = CellColors(row, column, &cell);
    dc.FillSolidRect(&rect, colors.back);
    const std::string text = grid.GetItemText(row, column);
    const int side = rect.bottom - 1 - rect.top;
    CRect box(rect.left + checkBoxIndent, rect.top, 0, rect.bottom - 1);
    if (text.empty()) {
        box.left = rect.left + rect.Width() / 2 - side / 2 - 1;
    }
    box.right = box.left + side;
    dc.FillSolidRect(&box, grid.windowColor);
    box.left += 1;
    dc.DrawEdge(&box, EDGE_SUNKEN, BF_RECT);
    if (cell.checkState == 1) {
        DrawCheckMark(box);
    }
    if (!text.empty()) {
        const CRect textRect(box.right + checkBoxTextGap, rect.top, rect.right, rect.bottom);
        DrawCellText(text, textRect, DT_LEFT, colors);
    }
}

// Seven short vertical strokes: four stepping down to the left, three back up.
void XListCellPainter::DrawCheckMark(const CRect& box) {
    CPen pen(PS_SOLID, 1, black);
    CPen* old = dc.SelectObject(&pen);
    int x = box.left + 9;
    int y = box.top + 3;
    for (int stroke = 0; stroke < 7; ++stroke) {
        dc.MoveTo(x, y);
        dc.LineTo(x, y + 3);
        x -= 1;
        y += stroke < 4 ? 1 : -1;
    }
    dc.SelectObject(old);
}

void XListCellPainter::DrawArrow(int x, int y) {
    for (int line = 0; line < 3; ++line) {
        dc.MoveTo(x + line, y + line);
        dc.LineTo(x + line + 5 - 2 * line, y + line);
    }
}

void XListCellPainter::DrawDropDown(int row, int column, const XListCellData& cell,
                                    const CRect& rect) {
    CRect work(rect.left + 1, rect.top, rect.right - 2, rect.bottom + 1);
    CPen framePen(PS_SOLID, 1, grid.btnShadowColor);
    CPen* old = dc.SelectObject(&framePen);
    dc.MoveTo(work.left, work.bottom - 2);
    dc.LineTo(work.right, work.bottom - 2);
    dc.MoveTo(work.left, work.top);
    dc.LineTo(work.right, work.top);
    dc.MoveTo(work.left, work.top);
    dc.LineTo(work.left, work.bottom - 2);
    dc.MoveTo(work.right, work.top);
    dc.LineTo(work.right, work.bottom - 1);

    CPen blackPen(PS_SOLID, 1, black);
    dc.SelectObject(&blackPen);
    CRect inner = work;
    inner.DeflateRect(2, 2);
    dc.FillSolidRect(&inner, white);

    CRect button(work.right + 1 - work.Height(), work.top, work.right + 1, work.bottom);
    button.DeflateRect(2, 2);

    std::string text = grid.GetItemText(row, column);
    const auto choices = cell.choices ? static_cast<int>(cell.choices->size()) : 0;
    if (text.empty() && cell.initialChoice >= 0 && cell.initialChoice < choices) {
        text = (*cell.choices)[static_cast<std::size_t>(cell.initialChoice)];
        // Storing repaints the cell at once; an empty choice would change nothing and repaint
        // forever, a real one ends the nested paint with the text no longer empty.
        if (!text.empty()) {
            grid.SetItemText(row, column, text);
        }
    }
    if (!text.empty()) {
        const CRect textRect(work.left + 2, work.top - 1, button.left - 1, work.bottom);
        DrawCellText(text, textRect, DT_LEFT, {grid.windowTextColor, grid.windowColor});
    }

    if (cell.dropDownPressed) {
        grid.dropDownButtonRect = button;
        CBrush frame(grid.shadowColor);
        dc.FrameRect(&button, &frame);
        button.DeflateRect(1, 1);
        dc.FillSolidRect(&button, grid.btnFaceColor);
        DrawArrow(button.left + 3, button.top + 4);
        if (!grid.dropDown) {
            grid.dropDownEdit.Open(dc, rect, row, column);
        }
    } else {
        dc.DrawEdge(&button, EDGE_RAISED, BF_RECT);
        button.DeflateRect(2, 2);
        dc.FillSolidRect(&button, grid.btnFaceColor);
        DrawArrow(button.left + 1, button.top + 2);
    }
    dc.SelectObject(old);
}
