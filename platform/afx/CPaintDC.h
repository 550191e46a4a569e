#pragma once
// The surface of one paint: BeginPaint on construction, EndPaint on destruction.
#include "platform/afx/CDC.h"

class CWnd;

class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

  protected:
    HWND m_hWnd = nullptr;
};
