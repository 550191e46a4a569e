#include "platform/win/DialogKeys.h"

#include "platform/base/WinControls.h"
#include "platform/win/DialogNavigator.h"

namespace win {

namespace {

bool ShiftDown() {
    return GetKeyState(VK_SHIFT) < 0;
}

void Click(HWND dialog, int id, HWND control) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

} // namespace

bool DialogKeys::Process(HWND dialog, MSG& msg) {
    if (!IsWindow(dialog) || (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd))) {
        return false;
    }
    bool taken = false;
    if (msg.message == WM_KEYDOWN) {
        taken = KeyDown(dialog, msg);
    } else if (msg.message == WM_CHAR) {
        // Without mnemonics, a character nobody asked for goes nowhere.
        taken =
            !(DialogNavigator::DialogCode(msg.hwnd, &msg) & (DLGC_WANTCHARS | DLGC_WANTMESSAGE));
    }
    if (!taken) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DialogNavigator::FocusChanged(dialog);
    return true;
}

bool DialogKeys::KeyDown(HWND dialog, const MSG& msg) {
    const LRESULT code = DialogNavigator::DialogCode(msg.hwnd, &msg);
    if (code & DLGC_WANTMESSAGE) {
        return false;
    }
    const HWND focus = GetFocus();
    switch (msg.wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) {
            return false;
        }
        DialogNavigator::MoveFocus(dialog,
                                   DialogNavigator::NextTabItem(dialog, focus, ShiftDown()));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS) {
            return false;
        }
        const bool back = msg.wParam == VK_LEFT || msg.wParam == VK_UP;
        DialogNavigator::MoveFocus(dialog, DialogNavigator::NextGroupItem(dialog, focus, back));
        return true;
    }
    case VK_RETURN:
        Enter(dialog, focus, code);
        return true;
    case VK_ESCAPE:
        Escape(dialog);
        return true;
    default:
        return false;
    }
}

void DialogKeys::Enter(HWND dialog, HWND focus, LRESULT code) {
    if (IsChild(dialog, focus) && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) &&
        IsWindowEnabled(focus)) {
        Click(dialog, GetDlgCtrlID(focus), focus);
        return;
    }
    const int id = DialogNavigator::DefaultId(dialog);
    const HWND button = GetDlgItem(dialog, id);
    if (!button || IsWindowEnabled(button)) {
        Click(dialog, id, button);
    }
}

void DialogKeys::Escape(HWND dialog) {
    Click(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
}

} // namespace win
