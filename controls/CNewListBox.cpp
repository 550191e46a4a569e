#include "controls/CNewListBox.h"

BEGIN_MESSAGE_MAP(CNewListBox, CListBox)
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CNewListBox::OnKeyDown(UINT key, UINT, UINT) {
    if (reportTo) {
        reportTo->KeyFromList(key);
    }
    Default();
}

void CNewListBox::OnLButtonDown(UINT flags, CPoint point) {
    if (reportTo) {
        reportTo->ReportPress();
        return;
    }
    CListBox::OnLButtonDown(flags, point);
}
