#include "controls/XListMessages.h"

#include "platform/win/WinUser.h"

const XListMessages& GetXListMessages() {
    static const XListMessages messages{
        ::RegisterWindowMessageA("WM_XLISTCTRL_CHECKBOX_CLICKED"),
        ::RegisterWindowMessageA("WM_XLISTCTRL_COMBO_SELECTION"),
        ::RegisterWindowMessageA("WM_XCOMBOLIST_VK_RETURN"),
        ::RegisterWindowMessageA("WM_XCOMBOLIST_VK_ESCAPE"),
        ::RegisterWindowMessageA("WM_XCOMBOLIST_KEYDOWN"),
        ::RegisterWindowMessageA("WM_XCOMBOLIST_LBUTTONUP"),
    };
    return messages;
}

namespace {
// Registered while the library loads, before any window exists.
[[maybe_unused]] const XListMessages& registeredAtLoad = GetXListMessages();
} // namespace
