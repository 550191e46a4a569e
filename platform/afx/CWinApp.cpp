#include "platform/afx/CWinApp.h"

#include "platform/afx/AfxToolTipFilter.h"
#include "platform/afx/CWnd.h"
#include "platform/ctl/MessageBoxApi.h"
#include "platform/win/WindowSystem.h"

namespace {

CWinApp* theApp = nullptr;
HINSTANCE resourceHandle = nullptr;
bool resourceHandleSet = false;

constexpr const char* DefaultName = "QvSQLBuilder";

bool PreTranslate(MSG& msg) {
    // No handler is on the stack here, so no temporary wrapper can still be in use.
    if (!CWnd::IsHandlingMessage()) {
        AfxDeleteTempMaps();
    }
    AfxToolTipFilter::Filter(msg);
    return theApp && theApp->PreTranslateMessage(&msg);
}

} // namespace

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName ? appName : DefaultName) {
    if (!theApp) {
        theApp = this;
        win::SetPreTranslateHook(&PreTranslate);
    }
}

CWinApp::~CWinApp() {
    if (theApp == this) {
        win::SetPreTranslateHook(nullptr);
        theApp = nullptr;
    }
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    if (!msg) {
        return FALSE;
    }
    for (HWND h = msg->hwnd; h; h = GetParent(h)) {
        CWnd* w = CWnd::FromHandlePermanent(h);
        if (w && w->PreTranslateMessage(msg)) {
            return TRUE;
        }
    }
    return FALSE;
}

HINSTANCE AfxGetInstanceHandle() {
    return theApp ? theApp->m_hInstance : nullptr;
}

HINSTANCE AfxGetResourceHandle() {
    return resourceHandleSet ? resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module) {
    resourceHandle = module;
    resourceHandleSet = true;
}

void AfxDeleteTempMaps() {
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}

int AfxMessageBox(const std::string& text, UINT type) {
    const std::string caption = theApp ? theApp->m_pszAppName : DefaultName;
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), type);
}
