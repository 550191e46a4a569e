#pragma once
// What the dialog manager keeps for each dialog window beside its DWLP_ slots. Entries are
// made when a dialog is built and dropped at WM_NCDESTROY; look them up again after every
// message sent, as a handler may destroy the dialog.
#include "platform/win/WinUser.h"

#include <map>

namespace win {

struct DialogData {
    HFONT font = nullptr;      // what WM_GETFONT answers
    HFONT ownedFont = nullptr; // made from the template, deleted with the dialog
    SIZE baseUnits{};
    HWND savedFocus = nullptr; // kept while the dialog is inactive
    HWND lastFocus = nullptr;  // the focus the default-button look was last set for
    int defId = IDOK;
    bool ended = false;
    INT_PTR result = IDCANCEL;
};

class DialogTable {
  public:
    static DialogTable& Get();
    DialogData* Find(HWND dialog);
    DialogData& Add(HWND dialog);
    // Deletes the font the dialog owns.
    void Remove(HWND dialog);

  private:
    std::map<HWND, DialogData>::iterator Drop(std::map<HWND, DialogData>::iterator it);
    std::map<HWND, DialogData> dialogs;
};

} // namespace win
