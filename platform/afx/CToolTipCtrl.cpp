#include "platform/afx/CToolTipCtrl.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCSTR text, const RECT* rect, UINT_PTR id) {
    if (!window || !window->m_hWnd || !m_hWnd) {
        return FALSE;
    }
    TOOLINFOA tool;
    tool.hwnd = window->m_hWnd;
    tool.uId = id;
    if (id == 0) {
        tool.uFlags = TTF_IDISHWND;
        tool.uId = reinterpret_cast<UINT_PTR>(window->m_hWnd);
    }
    if (rect) {
        tool.rect = *rect;
    } else {
        window->GetClientRect(&tool.rect);
    }
    tool.lpszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
}
