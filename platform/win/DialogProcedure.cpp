#include "platform/win/DialogProcedure.h"

#include "platform/gfx/Gdi.h"
#include "platform/win/ClassRegistry.h"
#include "platform/win/DialogNavigator.h"
#include "platform/win/DialogTable.h"
#include "platform/win/WinDialogs.h"

namespace win {

bool DialogProcedure::Register() {
    if (ClassRegistry::Get().Find(ClassName)) {
        return true;
    }
    WNDCLASSEXA wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = ClassName;
    return RegisterBuiltinClass(wc) != 0;
}

bool DialogProcedure::AnswersDirectly(UINT msg) {
    return msg == WM_INITDIALOG || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC);
}

LRESULT DialogProcedure::Handle(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(dialog)) {
        return 0;
    }
    DialogNavigator::FocusChanged(dialog);
    if (auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC))) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        const INT_PTR answer = proc(dialog, msg, wParam, lParam);
        if (answer) {
            return AnswersDirectly(msg) ? answer : GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
        }
        if (msg == WM_INITDIALOG || !IsWindow(dialog)) {
            return 0;
        }
    }
    return Default(dialog, msg, wParam, lParam);
}

LRESULT DialogProcedure::Default(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogData* data = DialogTable::Get().Find(dialog);
    switch (msg) {
    case WM_INITDIALOG: // no DLGPROC: the first control takes the focus
        return TRUE;
    case WM_ERASEBKGND:
        return Erase(dialog, reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
        return Activate(dialog, wParam);
    case WM_SETFOCUS:
        DialogNavigator::RestoreFocus(dialog);
        return 0;
    case WM_NEXTDLGCTL:
        return NextControl(dialog, wParam, lParam);
    case WM_CLOSE:
        return Close(dialog);
    case DM_GETDEFID:
        return data ? static_cast<LRESULT>(MAKELPARAM(data->defId, DC_HASDEFID)) : 0;
    case DM_SETDEFID:
        DialogNavigator::SetDefaultId(dialog, static_cast<int>(wParam));
        return TRUE;
    case WM_GETFONT:
        return data ? reinterpret_cast<LRESULT>(data->font) : 0;
    case WM_SETFONT:
        if (data) {
            data->font = reinterpret_cast<HFONT>(wParam);
        }
        return 0;
    case WM_NCDESTROY:
        DialogTable::Get().Remove(dialog);
        return DefWindowProcA(dialog, msg, wParam, lParam);
    default:
        return DefWindowProcA(dialog, msg, wParam, lParam);
    }
}

LRESULT DialogProcedure::Erase(HWND dialog, HDC hdc) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(dialog)));
    RECT client;
    if (!GetClientRect(dialog, &client)) {
        return 0;
    }
    FillRect(hdc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT DialogProcedure::Activate(HWND dialog, WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE) {
        DialogNavigator::RestoreFocus(dialog);
        return 0;
    }
    const HWND focus = GetFocus();
    DialogData* data = DialogTable::Get().Find(dialog);
    if (data && IsChild(dialog, focus)) {
        data->savedFocus = focus;
    }
    return 0;
}

LRESULT DialogProcedure::NextControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target = reinterpret_cast<HWND>(wParam);
    if (!LOWORD(static_cast<WPARAM>(lParam))) {
        target = DialogNavigator::NextTabItem(dialog, GetFocus(), wParam != 0);
    }
    if (IsChild(dialog, target)) {
        DialogNavigator::MoveFocus(dialog, target);
    }
    return 0;
}

LRESULT DialogProcedure::Close(HWND dialog) {
    const HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (!cancel || IsWindowEnabled(cancel)) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(cancel));
    }
    return 0;
}

} // namespace win
