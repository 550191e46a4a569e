#pragma once
// A check list whose items show their whole text as a tooltip, for names wider than the list.
#include "platform/afx/CCheckListBox.h"

#include <cstdint>

class CExCheckListBox : public CCheckListBox {
  public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* tool) const override;
    // Changes with every entry added, inserted or deleted and with every emptying.
    std::uint64_t Revision() const { return revision; }

  protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnToolTipText(UINT id, NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

  private:
    std::uint64_t revision = 0;
};
