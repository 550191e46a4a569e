#pragma once
// The library's application object: one per process, made when the library is loaded and
// destroyed when it is unloaded. It holds the long-lived dialog the exports drive and the
// module-wide settings.
#include "dialog/CSELECTSQLDlg.h"
#include "module/ModuleSettings.h"
#include "platform/afx/CWinApp.h"

class CQvSQLBuilderApp : public CWinApp {
  public:
    CQvSQLBuilderApp();
    ~CQvSQLBuilderApp() override;

    CSELECTSQLDlg selectDialog;
    // currentTable, groupingChars, languageIndex, stringFilePath.
    qvsql::ModuleSettings settings;

    DECLARE_MESSAGE_MAP()
};

// The one application object of the library.
CQvSQLBuilderApp& TheQvSQLBuilderApp();
