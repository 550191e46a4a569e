#pragma once
// The small dialog that turns a clause into a When Printed value: the user types a prompt and
// picks the default among the clause's other names.
#include "platform/afx/CComboBox.h"
#include "platform/afx/CDialog.h"

#include <string>
#include <vector>

class CDefaultWpData : public CDialog {
  public:
    CDefaultWpData();

    BOOL SetDefaultChoices(const std::vector<std::string>& choices);
    // Valid after an OK result; "" otherwise.
    const std::string& GetWpText() const { return wpText; }

    std::string prompt;
    std::string defaultValue;
    CComboBox defaultCombo;
    std::string wpText;
    std::vector<std::string> defaultChoices;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
