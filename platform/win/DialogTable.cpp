#include "platform/win/DialogTable.h"

#include "platform/gfx/Gdi.h"

namespace win {

DialogTable& DialogTable::Get() {
    static DialogTable table;
    return table;
}

DialogData* DialogTable::Find(HWND dialog) {
    auto it = dialogs.find(dialog);
    return it != dialogs.end() && IsWindow(dialog) ? &it->second : nullptr;
}

DialogData& DialogTable::Add(HWND dialog) {
    // Entries of windows freed without a default WM_NCDESTROY go here.
    for (auto it = dialogs.begin(); it != dialogs.end();) {
        it = IsWindow(it->first) ? std::next(it) : Drop(it);
    }
    return dialogs[dialog] = DialogData{};
}

std::map<HWND, DialogData>::iterator DialogTable::Drop(std::map<HWND, DialogData>::iterator it) {
    if (it->second.ownedFont) {
        DeleteObject(it->second.ownedFont);
    }
    return dialogs.erase(it);
}

void DialogTable::Remove(HWND dialog) {
    auto it = dialogs.find(dialog);
    if (it != dialogs.end()) {
        Drop(it);
    }
}

} // namespace win
