#include "dialog/CDefaultWpData.h"

#include "resources/ResourceIds.h"

CDefaultWpData::CDefaultWpData() : CDialog(res::IDD_WHENPRINTED) {}

BOOL CDefaultWpData::SetDefaultChoices(const std::vector<std::string>& choices) {
    defaultChoices = choices;
    return TRUE;
}

void CDefaultWpData::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, res::IDC_WP_DEFAULT, defaultCombo);
    DDX_Text(dx, res::IDC_WP_PROMPT, prompt);
    DDX_CBString(dx, res::IDC_WP_DEFAULT, defaultValue);
}

BOOL CDefaultWpData::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const std::string& choice : defaultChoices) {
        defaultCombo.AddString(choice.c_str());
    }
    if (defaultCombo.GetCount() > 0) {
        defaultCombo.SetCurSel(0);
    }
    return TRUE;
}

// The exchange's verdict does not matter: an unread control leaves its member empty.
void CDefaultWpData::OnOK() {
    UpdateData(TRUE);
    wpText = "{'" + prompt + "'|'" + defaultValue + "'}";
    EndDialog(IDOK);
}
