#pragma once
// A tooltip control owned by a window.
#include "platform/afx/CWnd.h"

class CToolTipCtrl : public CWnd {
  public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL active) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(active)); }
    // A tool over the window's rectangle (the whole client area when rect is null); id 0
    // stands for the window itself.
    BOOL AddTool(CWnd* window, LPCSTR text = LPSTR_TEXTCALLBACKA, const RECT* rect = nullptr,
                 UINT_PTR id = 0);
    void RelayEvent(MSG* msg) {
        if (msg && m_hWnd) {
            SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
        }
    }
    void SetDelayTime(DWORD which, int ms) {
        SendMessage(TTM_SETDELAYTIME, which, static_cast<LPARAM>(ms));
    }
};
