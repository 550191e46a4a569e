#pragma once
// Data exchange between a dialog's members and its controls: one pass of DoDataExchange,
// loading the controls (save false) or reading them back (save true).
#include "platform/base/WinDef.h"

#include <string>

class CWnd;

class CDataExchange {
  public:
    CDataExchange(CWnd* dialog, bool save) : m_pDlgWnd(dialog), m_bSaveAndValidate(save) {}

    CWnd* m_pDlgWnd;
    bool m_bSaveAndValidate;
    // Set by an exchange that could not find its control.
    bool m_bFailed = false;

    // The control's handle, or null (and the pass marked failed).
    HWND PrepareCtrl(int id);
};

// Subclasses the dialog's control into the member the first time only.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// An edit's text.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// A combo box: load selects the first entry beginning with the value (any case), else sets
// the text; save reads the selected entry, "" when none.
void DDX_CBString(CDataExchange* dx, int id, std::string& value);
