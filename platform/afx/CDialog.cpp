#include "platform/afx/CDialog.h"

#include "platform/afx/CWinApp.h"
#include "platform/win/Resources.h"
#include "platform/win/WinDialogs.h"

namespace {

// The template under the resource handle, else under the program module.
const DialogTemplate* FindTemplate(UINT id, HMODULE& module) {
    const int key = static_cast<int>(id);
    auto& resources = win::Resources::Get();
    module = AfxGetResourceHandle();
    if (!module) {
        module = win::Resources::ProgramModule();
    }
    if (const DialogTemplate* tpl = resources.Dialog(module, key)) {
        return tpl;
    }
    module = win::Resources::ProgramModule();
    return resources.Dialog(module, key);
}

bool IsKey(UINT msg) {
    return msg >= WM_KEYFIRST && msg <= WM_KEYLAST;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_MESSAGE(WM_CLOSE, &CDialog::HandleClose)
ON_COMMAND(IDOK, &CDialog::HandleOK)
ON_COMMAND(IDCANCEL, &CDialog::HandleCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
    HMODULE module = nullptr;
    const DialogTemplate* tpl = FindTemplate(m_nIDTemplate, module);
    if (!tpl || m_hWnd) {
        return -1;
    }
    AttachNextCreated(this);
    const HWND dialog = ::CreateDialogIndirectParamA(module, tpl, Owner(), nullptr, 0);
    AttachNextCreated(nullptr);
    if (!dialog) {
        return -1;
    }
    // Keep the handle: temporary wrappers die inside the loop, this object does not.
    const INT_PTR result = win::RunModalDialog(dialog);
    ::DestroyWindow(dialog);
    return result;
}

HWND CDialog::Owner() const {
    if (m_pParentWnd && m_pParentWnd->IsWindow()) {
        return m_pParentWnd->m_hWnd;
    }
    HWND active = ::GetActiveWindow();
    return active ? ::GetAncestor(active, GA_ROOT) : nullptr;
}

void CDialog::EndDialog(int result) {
    if (m_hWnd) {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::UpdateData(BOOL save) {
    CDataExchange dx(this, save != FALSE);
    DoDataExchange(&dx);
    return dx.m_bFailed ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (!msg || !m_hWnd || !IsKey(msg->message)) {
        return FALSE;
    }
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) {
        return FALSE;
    }
    return ::IsDialogMessageA(m_hWnd, msg);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

LRESULT CDialog::HandleClose(WPARAM, LPARAM) {
    OnCancel();
    return 0;
}
