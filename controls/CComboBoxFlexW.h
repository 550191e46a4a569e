#pragma once
// A drop-down combo box whose list widens, the first time it drops down with entries, to fit
// its widest entry; the combo box keeps its own width.
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/CComboBox.h"

class CComboBoxFlexW : public CComboBox {
  public:
    // Width wanted for the list; 0 until measured.
    int GetMaxItemWidth() const { return maxItemWidth; }

  protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);

    DECLARE_MESSAGE_MAP()

  private:
    void WidenDropDown(CWnd* list);

    int maxItemWidth = 0;
};
