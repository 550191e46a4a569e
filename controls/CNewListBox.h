#pragma once
// The list inside the grid's drop-down. Its keys first go through the drop-down's key logic
// (unless the message loop already gave it the key), and a press only reports to the grid:
// the entry chosen by hovering must not move under the click.
#include "platform/afx/CListBox.h"

class CXComboList;

class CNewListBox : public CListBox {
  protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnLButtonDown(UINT flags, CPoint point);

  private:
    // The drop-down this list lives in; null when the list stands alone.
    CXComboList* DropDown() const;

    DECLARE_MESSAGE_MAP()
};
