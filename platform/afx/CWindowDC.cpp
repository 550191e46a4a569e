#include "platform/afx/CWindowDC.h"

#include "platform/afx/CWnd.h"

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC() {
    if (HDC hdc = Detach()) {
        ::ReleaseDC(m_hWnd, hdc);
    }
}
