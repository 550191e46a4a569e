#include "platform/afx/CComboBox.h"

#include <algorithm>

void CComboBox::GetLBText(int index, std::string& text) const {
    text.clear();
    const int length = GetLBTextLen(index);
    if (length <= 0) {
        return;
    }
    text.resize(static_cast<std::size_t>(length) + 1);
    const int copied = Send(CB_GETLBTEXT, Index(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
}
