#pragma once
// The whole window's surface, frame included; released on destruction.
#include "platform/afx/CDC.h"

class CWnd;

class CWindowDC : public CDC {
  public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

  protected:
    HWND m_hWnd = nullptr;
};
