#include "controls/XListCellPainter.h"

#include "platform/afx/CBrush.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CPen.h"

namespace {

constexpr int checkBoxIndent = 9;
constexpr int checkBoxTextGap = 4;
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);

// The choice an empty drop-down cell takes; "" when it has none. An empty choice is never
// stored: storing it would change nothing and repaint the cell forever.
std::string StartingChoice(const XListCell& cell) {
    const XListCellData& data = *cell.data;
    const auto count = data.choices ? static_cast<int>(data.choices->size()) : 0;
    if (!cell.text.empty() || data.initialChoice < 0 || data.initialChoice >= count) {
        return {};
    }
    return (*data.choices)[static_cast<std::size_t>(data.initialChoice)];
}

} // namespace

XListCellReveal XListCellPainter::Draw(const XListCell& cell) {
    if (cell.data && cell.data->hasDropDown) {
        if (cell.selected) {
            return DrawDropDown(cell);
        }
        DrawPlain(cell);
    } else if (cell.data && cell.data->checkState != -1) {
        DrawCheckBox(cell);
    } else {
        DrawPlain(cell);
    }
    return {};
}

XListCellPainter::Colors XListCellPainter::CellColors(const XListCell& cell) const {
    Colors colors{look.windowText, look.window};
    if (cell.data) {
        colors = {cell.data->textColor, cell.data->backColor};
    }
    if (!cell.selected || (!look.fullRowSelect && cell.column != 0)) {
        return colors;
    }
    if (look.focused) {
        return {look.highlightText, look.highlight};
    }
    if (look.showSelAlways) {
        return {look.windowText, look.btnFace};
    }
    return colors;
}

void XListCellPainter::DrawCellText(const std::string& text, CRect rect, UINT align,
                                    Colors colors) {
    dc.SetTextColor(colors.text);
    dc.SetBkColor(colors.back);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &rect, align | DT_SINGLELINE | DT_VCENTER);
    dc.SetBkMode(oldMode);
}

void XListCellPainter::DrawPlain(const XListCell& cell) {
    const Colors colors = CellColors(cell);
    dc.FillSolidRect(&cell.rect, colors.back);
    if (!cell.text.empty()) {
        DrawCellText(cell.text, cell.rect, cell.align, colors);
    }
}

void XListCellPainter::DrawCheckBox(const XListCell& cell) {
    const CRect& rect = cell.rect;
    const Colors colors = CellColors(cell);
    dc.FillSolidRect(&rect, colors.back);
    const int side = rect.bottom - 1 - rect.top;
    CRect box(rect.left + checkBoxIndent, rect.top, 0, rect.bottom - 1);
    if (cell.text.empty()) {
        box.left = rect.left + rect.Width() / 2 - side / 2 - 1;
    }
    box.right = box.left + side;
    dc.FillSolidRect(&box, look.window);
    box.left += 1;
    dc.DrawEdge(&box, EDGE_SUNKEN, BF_RECT);
    if (cell.data->checkState == 1) {
        DrawCheckMark(box);
    }
    if (!cell.text.empty()) {
        const CRect textRect(box.right + checkBoxTextGap, rect.top, rect.right, rect.bottom);
        DrawCellText(cell.text, textRect, DT_LEFT, colors);
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

void XListCellPainter::DrawDropDownFrame(const CRect& work) {
    dc.MoveTo(work.left, work.bottom - 2);
    dc.LineTo(work.right, work.bottom - 2);
    dc.MoveTo(work.left, work.top);
    dc.LineTo(work.right, work.top);
    dc.MoveTo(work.left, work.top);
    dc.LineTo(work.left, work.bottom - 2);
    dc.MoveTo(work.right, work.top);
    dc.LineTo(work.right, work.bottom - 1);
}

// A pressed button is flat and its arrow sits one pixel lower and further right.
void XListCellPainter::DrawButton(CRect button, bool pressed) {
    if (pressed) {
        CBrush frame(look.shadow);
        dc.FrameRect(&button, &frame);
        button.DeflateRect(1, 1);
        dc.FillSolidRect(&button, look.btnFace);
        DrawArrow(button.left + 3, button.top + 4);
        return;
    }
    dc.DrawEdge(&button, EDGE_RAISED, BF_RECT);
    button.DeflateRect(2, 2);
    dc.FillSolidRect(&button, look.btnFace);
    DrawArrow(button.left + 1, button.top + 2);
}

XListCellReveal XListCellPainter::DrawDropDown(const XListCell& cell) {
    const CRect& rect = cell.rect;
    const CRect work(rect.left + 1, rect.top, rect.right - 2, rect.bottom + 1);
    CPen framePen(PS_SOLID, 1, look.btnShadow);
    CPen* old = dc.SelectObject(&framePen);
    DrawDropDownFrame(work);

    CPen blackPen(PS_SOLID, 1, black);
    dc.SelectObject(&blackPen);
    CRect inner = work;
    inner.DeflateRect(2, 2);
    dc.FillSolidRect(&inner, white);

    CRect button(work.right + 1 - work.Height(), work.top, work.right + 1, work.bottom);
    button.DeflateRect(2, 2);

    XListCellReveal reveal;
    reveal.startingChoice = StartingChoice(cell);
    const std::string& text = reveal.startingChoice.empty() ? cell.text : reveal.startingChoice;
    if (!text.empty()) {
        const CRect textRect(work.left + 2, work.top - 1, button.left - 1, work.bottom);
        DrawCellText(text, textRect, DT_LEFT, {look.windowText, look.window});
    }
    reveal.pressed = cell.data->dropDownPressed != FALSE;
    reveal.buttonRect = button;
    DrawButton(button, reveal.pressed);
    dc.SelectObject(old);
    return reveal;
}
