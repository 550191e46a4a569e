#pragma once
// A check list whose items show their whole text as a tooltip, for names wider than the list.
#include "platform/afx/CCheckListBox.h"

class CExCheckListBox : public CCheckListBox {
  public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* tool) const override;

  protected:
    void PreSubclassWindow() override;
    BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};
