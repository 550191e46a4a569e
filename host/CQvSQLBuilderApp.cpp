#include "host/CQvSQLBuilderApp.h"

#include "controls/XListMessages.h"
#include "dialog/LibraryModule.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"

namespace {
CQvSQLBuilderApp theApp;
}

CQvSQLBuilderApp& TheQvSQLBuilderApp() {
    return theApp;
}

BEGIN_MESSAGE_MAP(CQvSQLBuilderApp, CWinApp)
END_MESSAGE_MAP()

CQvSQLBuilderApp::CQvSQLBuilderApp() {
    m_hInstance = qvsql::LibraryModule();
    // The window system must outlive this object: it is torn down after us at unload.
    win::GetBackend();
    ctl::RegisterBuiltinControls();
    GetXListMessages();
    qvsql::SetActiveModuleSettings(&settings);
}

CQvSQLBuilderApp::~CQvSQLBuilderApp() {
    qvsql::SetActiveModuleSettings(nullptr);
}
