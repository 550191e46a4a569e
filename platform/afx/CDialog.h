#pragma once
// A dialog made from a template resource and run modally. The object is attached to its
// window from creation on, so its map sees WM_INITDIALOG; it outlives the window, which is
// destroyed when DoModal returns.
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/CDataExchange.h"
#include "platform/afx/CWnd.h"

class CDialog : public CWnd {
  public:
    // No parent: the owner is the window active when DoModal starts.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // IDOK, IDCANCEL or what EndDialog gave; -1 when the template or window cannot be made.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    // FALSE when an exchange could not find its control.
    BOOL UpdateData(BOOL save = TRUE);

    virtual BOOL OnInitDialog();
    // Dialog keys for the dialog and everything inside it.
    BOOL PreTranslateMessage(MSG* msg) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

  protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

  private:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    LRESULT HandleClose(WPARAM, LPARAM);
    void HandleOK() { OnOK(); }
    void HandleCancel() { OnCancel(); }
    HWND Owner() const;

    DECLARE_MESSAGE_MAP()
};
