#pragma once
// The list inside the grid's drop-down. Its keys first go through the drop-down's key logic
// (unless the message loop already gave it the key), and a press only reports to the grid:
// the entry chosen by hovering must not move under the click.
#include "platform/afx/CListBox.h"

class CNewListBox : public CListBox {
  public:
    // Where the list reports: the drop-down it lives in.
    class Owner {
      public:
        virtual void KeyFromList(UINT key) = 0;
        virtual void ReportPress() = 0;

      protected:
        ~Owner() = default;
    };

    // Null: the list stands alone and keeps its own handling of presses.
    void ReportTo(Owner* owner) { reportTo = owner; }

  protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnLButtonDown(UINT flags, CPoint point);

  private:
    Owner* reportTo = nullptr;

    DECLARE_MESSAGE_MAP()
};
