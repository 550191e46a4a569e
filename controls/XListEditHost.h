#pragma once
// The grid as its drop-down editing sees it: the window that owns the drop-down and runs the
// timers, the cells being edited, and the grid's fields that hold the edit.
#include "controls/XListCellData.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CRect.h"

#include <memory>
#include <string>

class CWnd;
class CXComboList;

class XListEditHost {
  public:
    virtual CWnd& Window() = 0;
    // Null when the indices are not valid or the row has no records.
    virtual XListCellData* Cell(int row, int column) = 0;
    virtual bool IsValidCell(int row, int column) const = 0;
    virtual std::string CellText(int row, int column) const = 0;
    // Stores and repaints the cell at once.
    virtual void SetCellText(int row, int column, const std::string& text) = 0;
    virtual void RepaintCell(int row, int column) = 0;
    // To the parent, else the owner.
    virtual void NotifyParent(UINT message, int row, int column) = 0;

  protected:
    ~XListEditHost() = default;
};

// The grid's own fields the editing works on.
struct XListEditFields {
    bool& pending;
    int& item;
    int& column;
    CRect& buttonRect;
    CRect& listRect;
    std::unique_ptr<CXComboList>& dropDown;
    CFont& font;
    bool& fontCreated;
    std::string& initialText;
};
