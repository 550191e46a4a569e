#pragma once
// The registered messages the grid and its drop-down exchange with each other and with the
// grid's parent. Registered once per process, the first time any of them is asked for.
#include "platform/base/WinDef.h"

struct XListMessages {
    UINT checkboxClicked; // "WM_XLISTCTRL_CHECKBOX_CLICKED": wParam row, lParam column
    UINT comboSelection;  // "WM_XLISTCTRL_COMBO_SELECTION": wParam row, lParam column
    UINT comboReturn;     // "WM_XCOMBOLIST_VK_RETURN"
    UINT comboEscape;     // "WM_XCOMBOLIST_VK_ESCAPE"
    UINT comboKeyDown;    // "WM_XCOMBOLIST_KEYDOWN"
    UINT comboLButtonUp;  // "WM_XCOMBOLIST_LBUTTONUP"
};

const XListMessages& GetXListMessages();
