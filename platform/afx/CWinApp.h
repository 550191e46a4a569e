#pragma once
// The application object, usually one static object. While it lives, every message a loop
// of the window system takes from the queue first passes the tooltip filter and then the
// pre-translate chain: the target window's object, then its parent's (a popup's owner's) and
// so on up, until one PreTranslateMessage consumes it.
#include "platform/afx/CCmdTarget.h"
#include "platform/base/WinControls.h"
#include "platform/win/WinUser.h"

#include <string>

class CWinApp : public CCmdTarget {
  public:
    // A null name keeps "QvSQLBuilder".
    explicit CWinApp(LPCSTR appName = nullptr);
    ~CWinApp() override;

    // Null stands for the process's own module.
    HINSTANCE m_hInstance = nullptr;
    std::string m_pszAppName;

    virtual BOOL PreTranslateMessage(MSG* msg);
};

HINSTANCE AfxGetInstanceHandle();
// The module resources are looked up in; the application's module until set.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
// Frees the temporary wrappers of windows, surfaces and drawing objects.
void AfxDeleteTempMaps();
// A message box over the active window with the application's name as caption.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
