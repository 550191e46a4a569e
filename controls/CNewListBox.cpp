#include "controls/CNewListBox.h"

#include "controls/CXComboList.h"

BEGIN_MESSAGE_MAP(CNewListBox, CListBox)
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CXComboList* CNewListBox::DropDown() const {
    return dynamic_cast<CXComboList*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CNewListBox::OnKeyDown(UINT key, UINT, UINT) {
    if (CXComboList* dropDown = DropDown()) {
        dropDown->KeyFromList(key);
    }
    Default();
}

void CNewListBox::OnLButtonDown(UINT, CPoint) {
    if (CXComboList* dropDown = DropDown()) {
        dropDown->ReportPress();
    }
}
