#include "controls/CComboBoxFlexW.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CComboBoxFlexW, CComboBox)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// The list asks for its colours just before it is drawn: the moment to widen it.
HBRUSH CComboBoxFlexW::OnCtlColor(CDC* dc, CWnd* wnd, UINT kind) {
    if (kind == CTLCOLOR_LISTBOX && wnd && ::IsWindow(wnd->m_hWnd)) {
        if (maxItemWidth == 0) {
            WidenDropDown(wnd);
        }
        CRect r;
        wnd->GetWindowRect(&r);
        if (maxItemWidth > r.Width()) {
            wnd->SetWindowPos(nullptr, r.left, r.top, maxItemWidth, r.Height(), SWP_NOZORDER);
        }
    }
    return CComboBox::OnCtlColor(dc, wnd, kind);
}

// Measured with the list's own default surface; 7/8 of the text width is what is wanted.
void CComboBoxFlexW::WidenDropDown(CWnd* list) {
    const int count = GetCount();
    if (count < 1) {
        return;
    }
    CDC* dc = list->GetDC();
    if (!dc) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        std::string text;
        GetLBText(i, text);
        SIZE size{};
        if (::GetTextExtentPoint32A(dc->m_hDC, text.c_str(), static_cast<int>(text.size()),
                                    &size)) {
            maxItemWidth = std::max(maxItemWidth, size.cx * 7 / 8);
        }
    }
    list->ReleaseDC(dc);
}
