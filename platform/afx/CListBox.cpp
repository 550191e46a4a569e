#include "platform/afx/CListBox.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CListBox, CWnd)
ON_WM_DRAWITEM_REFLECT()
ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

void CListBox::GetText(int index, std::string& text) const {
    text.clear();
    const int length = GetTextLen(index);
    if (length <= 0) {
        return;
    }
    text.resize(static_cast<std::size_t>(length) + 1);
    const int copied = Send(LB_GETTEXT, Index(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const {
    const LRESULT answer = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    outside = ItemFromPointOutside(answer) ? TRUE : FALSE;
    return static_cast<UINT>(ItemFromPointIndex(answer));
}
