#include "platform/afx/CDataExchange.h"

#include "platform/afx/CComboBox.h"
#include "platform/afx/CWnd.h"

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (!control) {
        m_bFailed = true;
    }
    return control;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!dx || control.m_hWnd) {
        return;
    }
    if (!dx->PrepareCtrl(id) || !control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd)) {
        dx->m_bFailed = true;
    }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND control = dx ? dx->PrepareCtrl(id) : nullptr;
    if (!control) {
        return;
    }
    CWnd* wnd = CWnd::FromHandle(control);
    if (dx->m_bSaveAndValidate) {
        value = wnd->GetWindowText();
    } else {
        wnd->SetWindowText(value);
    }
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
    HWND control = dx ? dx->PrepareCtrl(id) : nullptr;
    if (!control) {
        return;
    }
    // A wrapper over the handle for this call only; the control keeps its own object.
    CComboBox combo;
    combo.m_hWnd = control;
    if (dx->m_bSaveAndValidate) {
        combo.GetLBText(combo.GetCurSel(), value);
    } else {
        const int found = combo.FindString(-1, value.c_str());
        if (found >= 0) {
            combo.SetCurSel(found);
        } else {
            combo.SetCurSel(-1);
            combo.SetWindowText(value);
        }
    }
    combo.m_hWnd = nullptr;
}
