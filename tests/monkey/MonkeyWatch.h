#pragma once
// What must hold after every event the monkey plays: the preview shows the handed-in text or
// a composition of what the controls held when it was made; the column list starts with "*"
// and lists the table's columns; every grid row has its cells and its drop-downs offer the
// right lists; the table combo lists the registered tables; a When Printed prompt offers a
// clause's names and its value is built from what the user entered; a message box shows the
// composer's message; OK hands back the preview.
#include "platform/base/WinDef.h"
#include "tests/monkey/MonkeyEvents.h"
#include "tests/monkey/MonkeyOracle.h"

#include <map>
#include <string>
#include <vector>

class CSELECTSQLDlg;

namespace qvsql {
class ModuleSettings;
}

namespace monkey {

class MonkeyWatch {
  public:
    MonkeyWatch(const CSELECTSQLDlg& watched, const qvsql::ModuleSettings& module,
                const std::map<std::string, std::string>& registered,
                const std::map<std::string, std::string>& schemaEntries);
    ~MonkeyWatch();
    MonkeyWatch(const MonkeyWatch&) = delete;
    MonkeyWatch& operator=(const MonkeyWatch&) = delete;

    // A new showing of the dialog with this statement handed in.
    void Opened(const std::string& handedIn);
    // "" while everything holds, else what broke first.
    std::string Check();
    // After DoModal returned result.
    std::string Ended(INT_PTR result);

  private:
    void Fail(const std::string& what);
    void CheckOpening();
    void CheckBuilder();
    void CheckColumnList();
    void CheckTableCombo();
    void CheckWhereGrid();
    void CheckOrderByGrid();
    void CheckPrompt(HWND prompt);
    void CheckPromptClosed();
    void CheckBox(HWND box);

    const CSELECTSQLDlg& dialog;
    const qvsql::ModuleSettings& settings;
    const std::map<std::string, std::string>& tables;
    const std::map<std::string, std::string>& schemas;

    std::string failure;
    MonkeyOracle oracle;
    MonkeyEvents events;
    std::string handedIn;
    bool opening = false;
    // The prompt last seen open: what it held and the value text before it.
    bool promptSeen = false;
    HWND promptWindow = nullptr;
    std::string promptText;
    std::string promptDefault;
    std::string wpTextBefore;
};

} // namespace monkey
