#pragma once
// The client area's surface for drawing outside a paint; released on destruction.
#include "platform/afx/CDC.h"

class CWnd;

class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

  protected:
    HWND m_hWnd = nullptr;
};
