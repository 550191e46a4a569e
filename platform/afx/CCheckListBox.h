#pragma once
// The framework's check list: an owner-drawn fixed list box with strings whose items carry a
// check box left of the text. A click on a box selects the item, then toggles it and tells
// the parent with CLBN_CHKCHANGE; Space toggles the selected item. SetCheck never notifies.
#include "platform/afx/CListBox.h"

#include <vector>

class CCheckListBox : public CListBox {
  public:
    static constexpr int BoxSize = 13;

    // 0 or 1; 0 for an index out of range.
    int GetCheck(int index) const;
    void SetCheck(int index, int check);
    void DrawItem(DRAWITEMSTRUCT* item) override;

  protected:
    // Sizes the items to the text and the box.
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void TrackItems(UINT msg, WPARAM wParam, LRESULT result);
    // The item whose box is under the client point, or -1.
    int BoxAt(LPARAM point) const;
    void Toggle(int index);
    void DrawBox(HDC dc, const RECT& item, bool checked) const;
    RECT BoxRect(const RECT& item) const;

    std::vector<bool> checks;
};
