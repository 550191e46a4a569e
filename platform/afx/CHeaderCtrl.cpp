#include "platform/afx/CHeaderCtrl.h"

#include "platform/afx/CImageList.h"

BEGIN_MESSAGE_MAP(CHeaderCtrl, CWnd)
ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

CImageList* CHeaderCtrl::GetImageList() const {
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(HDM_GETIMAGELIST)));
}

CImageList* CHeaderCtrl::SetImageList(CImageList* images) {
    const LRESULT old = SendMessage(
        HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->m_hImageList : nullptr));
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(old));
}
