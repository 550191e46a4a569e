#include "platform/afx/CClientDC.h"

#include "platform/afx/CWnd.h"

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
    if (HDC hdc = Detach()) {
        ::ReleaseDC(m_hWnd, hdc);
    }
}
