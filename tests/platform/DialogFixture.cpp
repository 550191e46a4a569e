#include "tests/platform/DialogFixture.h"

#include "platform/win/WindowSystem.h"
#include "tests/platform/ModalTemplate.h"

namespace wintest {

DialogFixture* DialogFixture::dialogs = nullptr;

void DialogFixture::SetUp() {
    WinFixture::SetUp();
    dialogs = this;
    WNDCLASSA wc;
    wc.lpfnWndProc = CtlProc;
    wc.lpszClassName = "DlgTestCtl";
    RegisterClassA(&wc);
    wc.lpfnWndProc = ButtonProc;
    wc.lpszClassName = "DlgTestButton";
    RegisterClassA(&wc);
}

void DialogFixture::TearDown() {
    win::SetPreTranslateHook(nullptr);
    WinFixture::TearDown();
    dialogs = nullptr;
}

DialogItemTemplate DialogFixture::Ctl(int id, DWORD style, short x, short y) {
    return {id, "DlgTestCtl", "", WS_CHILD | WS_VISIBLE | style, 0, x, y, 40, 12};
}

DialogItemTemplate DialogFixture::Button(int id, DWORD type, short x, short y) {
    return {id, "DlgTestButton", "B", WS_CHILD | WS_VISIBLE | WS_TABSTOP | type, 0, x, y, 40, 14};
}

DialogTemplate DialogFixture::Template(std::vector<DialogItemTemplate> items, DWORD extra) {
    return ModalTemplate("Dialog", 200, 100, std::move(items), extra);
}

HWND DialogFixture::Modeless(const DialogTemplate& tpl, HWND owner) {
    return CreateDialogIndirectParamA(nullptr, &tpl, owner, Proc, 77);
}

void DialogFixture::PumpThrough(HWND dialog) {
    win::SetPreTranslateHook([dialog](MSG& m) { return IsDialogMessageA(dialog, &m) != FALSE; });
    display->Pump();
}

INT_PTR DialogFixture::Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogFixture* f = dialogs;
    if (msg == WM_INITDIALOG) {
        f->initFocus = wParam;
        f->initParam = lParam;
        if (f->onInit) {
            f->onInit(dialog);
        }
        return f->initAnswer;
    }
    if (msg == WM_COMMAND) {
        const int id = LOWORD(wParam);
        f->commands.push_back(id);
        if (f->onCommand) {
            f->onCommand(dialog, id);
        } else if (f->endOnCommand && (id == IDOK || id == IDCANCEL)) {
            EndDialog(dialog, id);
        }
        return TRUE;
    }
    return msg == WM_CTLCOLORDLG ? reinterpret_cast<INT_PTR>(f->dialogBrush) : FALSE;
}

LRESULT DialogFixture::CtlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogFixture* f = dialogs;
    const std::string id = std::to_string(GetDlgCtrlID(hwnd));
    switch (msg) {
    case WM_GETDLGCODE: {
        auto it = f->codes.find(GetDlgCtrlID(hwnd));
        return it == f->codes.end() ? 0 : it->second;
    }
    case WM_SETFONT:
        f->trail.push_back(id + ":font");
        return 0;
    case EM_SETSEL:
        f->trail.push_back(id + ":selectall");
        return 0;
    case WM_KEYDOWN:
        f->trail.push_back(id + ":key" + std::to_string(wParam));
        return 0;
    case WM_CHAR:
        f->trail.push_back(id + ":char" + std::to_string(wParam));
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT DialogFixture::ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogFixture* f = dialogs;
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    const int id = GetDlgCtrlID(hwnd);
    switch (msg) {
    case WM_GETDLGCODE:
        return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON | DLGC_BUTTON
                                                         : DLGC_UNDEFPUSHBUTTON | DLGC_BUTTON;
    case BM_SETSTYLE:
        f->trail.push_back(std::to_string(id) +
                           ((wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? ":def" : ":undef"));
        SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~0xFFFFu) | wParam));
        return 0;
    case BM_SETCHECK:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
        return 0;
    case BM_GETCHECK:
        return GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_LBUTTONUP:
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

} // namespace wintest
