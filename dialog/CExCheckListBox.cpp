#include "dialog/CExCheckListBox.h"

#include "controls/TooltipText.h"

#include <string>

BEGIN_MESSAGE_MAP(CExCheckListBox, CCheckListBox)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFFFFFFu, &CExCheckListBox::OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFFFFFFu, &CExCheckListBox::OnToolTipText)
END_MESSAGE_MAP()

void CExCheckListBox::PreSubclassWindow() {
    CCheckListBox::PreSubclassWindow();
    EnableToolTips(TRUE);
}

LRESULT CExCheckListBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
        ++revision;
        break;
    default:
        break;
    }
    return CCheckListBox::WindowProc(msg, wParam, lParam);
}

INT_PTR CExCheckListBox::OnToolHitTest(CPoint point, TOOLINFOA* tool) const {
    if (!tool || GetCount() <= 0) {
        return -1;
    }
    BOOL outside = FALSE;
    const auto item = static_cast<int>(ItemFromPoint(point, outside));
    tool->hwnd = m_hWnd;
    tool->uId = static_cast<UINT_PTR>(item);
    tool->lpszText = LPSTR_TEXTCALLBACKA;
    GetItemRect(item, &tool->rect);
    return item;
}

BOOL CExCheckListBox::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
    if (!header) {
        return FALSE;
    }
    std::string text;
    GetText(static_cast<int>(header->idFrom), text);
    // The wide form is answered only with some text.
    if (header->code == TTN_NEEDTEXTA || !text.empty()) {
        tooltiptext::Copy(text, *header);
    }
    if (result) {
        *result = 0;
    }
    return TRUE;
}
