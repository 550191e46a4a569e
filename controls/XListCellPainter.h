#pragma once
// Paints one cell of the grid during the list's custom draw: plain text, check box or
// drop-down cell, with the selection rule applied. It draws only: what a paint reveals (an
// empty drop-down cell's starting choice, a pressed button to open) is handed back, and the
// grid applies it once the paint is over.
#include "controls/XListCellData.h"
#include "platform/afx/CRect.h"
#include "platform/base/GdiTypes.h"

#include <string>

class CDC;

// The grid's colours and what decides the colours of a selected row.
struct XListLook {
    COLORREF shadow = 0;
    COLORREF btnFace = 0;
    COLORREF btnShadow = 0;
    COLORREF highlight = 0;
    COLORREF highlightText = 0;
    COLORREF window = 0;
    COLORREF windowText = 0;
    bool focused = false;
    bool fullRowSelect = false;
    bool showSelAlways = false;
};

// One cell as the grid shows it.
struct XListCell {
    int column = 0;
    CRect rect;
    const XListCellData* data = nullptr; // null for a row without records
    std::string text;
    bool selected = false;
    UINT align = DT_LEFT; // from the column's header format, for plain cells
};

// What painting a cell revealed.
struct XListCellReveal {
    std::string startingChoice; // the empty drop-down cell takes this choice
    bool pressed = false;       // a pressed drop-down button was drawn at buttonRect
    CRect buttonRect;
};

class XListCellPainter {
  public:
    XListCellPainter(CDC& surface, const XListLook& colors) : dc(surface), look(colors) {}

    XListCellReveal Draw(const XListCell& cell);

  private:
    struct Colors {
        COLORREF text;
        COLORREF back;
    };

    Colors CellColors(const XListCell& cell) const;
    void DrawPlain(const XListCell& cell);
    void DrawCheckBox(const XListCell& cell);
    void DrawCheckMark(const CRect& box);
    XListCellReveal DrawDropDown(const XListCell& cell);
    void DrawDropDownFrame(const CRect& work);
    void DrawButton(CRect button, bool pressed);
    void DrawArrow(int x, int y);
    void DrawCellText(const std::string& text, CRect rect, UINT align, Colors colors);

    CDC& dc;
    const XListLook& look;
};
