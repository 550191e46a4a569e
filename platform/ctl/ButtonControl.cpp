#include "platform/ctl/ButtonControl.h"

#include "platform/ctl/ControlMap.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/PaintedControl.h"

namespace ctl {

namespace {

bool Inside(HWND hwnd, LPARAM lParam) {
    const RECT r = ClientRectOf(hwnd);
    return PtInRect(&r, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

} // namespace

ATOM ButtonControl::Register() {
    return ControlMap<ButtonControl>::RegisterBuiltin(CS_DBLCLKS | CS_GLOBALCLASS);
}

DWORD ButtonControl::Kind() const {
    return StyleOf(hwnd) & BS_TYPEMASK;
}

bool ButtonControl::IsCheckKind() const {
    const DWORD kind = Kind();
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
           kind == BS_AUTO3STATE || kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

LRESULT ButtonControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (PaintMessage(hwnd, msg, result, [this](HDC dc) { Paint(dc); }) ||
        TextAndFontMessage(hwnd, font, msg, wParam, lParam, result)) {
        return result;
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        return Mouse(msg, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
        return Keys(msg, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return Focus(msg == WM_SETFOCUS);
    case WM_GETDLGCODE:
        return DialogCode();
    default:
        return ButtonMessage(msg, wParam, lParam);
    }
}

LRESULT ButtonControl::ButtonMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case BM_GETCHECK:
        return IsCheckKind() ? check : BST_UNCHECKED;
    case BM_SETCHECK:
        SetCheck(wParam);
        return 0;
    case BM_GETSTATE:
        return (IsCheckKind() ? check : 0) | (pushed ? BST_PUSHED : 0) |
               (HasFocus(hwnd) ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(wParam != 0);
        return 0;
    case BM_SETSTYLE:
        SetStyle(wParam, lParam != 0);
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(hwnd)) {
            SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
        }
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT ButtonControl::Mouse(UINT msg, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press();
        break;
    case WM_MOUSEMOVE:
        if (tracking) {
            SetPushed(Inside(hwnd, lParam));
        }
        break;
    case WM_LBUTTONUP:
        if (tracking) {
            Release(Inside(hwnd, lParam));
        }
        break;
    default: // WM_CAPTURECHANGED: someone took the mouse away; the press is off
        if (tracking) {
            tracking = false;
            SetPushed(false);
        }
        break;
    }
    return 0;
}

LRESULT ButtonControl::Keys(UINT msg, WPARAM key, LPARAM lParam) {
    if (key != VK_SPACE) {
        return DefWindowProcA(hwnd, msg, key, lParam);
    }
    if (msg == WM_KEYDOWN && !spaceDown && !tracking) {
        spaceDown = true;
        SetPushed(true);
    } else if (msg == WM_KEYUP && spaceDown) {
        spaceDown = false;
        const bool wasPushed = pushed;
        SetPushed(false);
        if (wasPushed) {
            Click();
        }
    }
    return 0;
}

LRESULT ButtonControl::Focus(bool gained) {
    if (!gained) {
        spaceDown = false;
        if (tracking) {
            tracking = false;
            ReleaseCapture();
        }
        SetPushed(false);
    }
    if (IsWindow(hwnd)) {
        Redraw(ODA_FOCUS);
    }
    return 0;
}

LRESULT ButtonControl::DialogCode() const {
    const DWORD kind = Kind();
    if (kind == BS_PUSHBUTTON) {
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    }
    if (kind == BS_DEFPUSHBUTTON) {
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    }
    if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) {
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    }
    return DLGC_BUTTON;
}

void ButtonControl::Press() {
    if (!HasFocus(hwnd)) {
        SetFocus(hwnd);
    }
    if (!IsWindow(hwnd)) {
        return;
    }
    SetCapture(hwnd);
    tracking = true;
    SetPushed(true);
}

void ButtonControl::Release(bool inside) {
    tracking = false;
    ReleaseCapture();
    const bool click = inside && pushed;
    SetPushed(false);
    if (click) {
        Click();
    }
}

void ButtonControl::Click() {
    const DWORD kind = Kind();
    if (kind == BS_AUTOCHECKBOX) {
        SetCheck(check ? BST_UNCHECKED : BST_CHECKED);
    } else if (kind == BS_AUTO3STATE) {
        SetCheck(static_cast<WPARAM>((check + 1) % 3));
    } else if (kind == BS_AUTORADIOBUTTON) {
        SetCheck(BST_CHECKED);
    }
    Notify(hwnd, BN_CLICKED);
}

void ButtonControl::SetPushed(bool on) {
    if (pushed != on) {
        pushed = on;
        Redraw(ODA_SELECT);
    }
}

void ButtonControl::SetCheck(WPARAM value) {
    if (!IsCheckKind()) {
        return;
    }
    const DWORD kind = Kind();
    const bool three = kind == BS_3STATE || kind == BS_AUTO3STATE;
    const int next = value == BST_UNCHECKED ? 0 : (value == BST_INDETERMINATE && three) ? 2 : 1;
    if (next != check) {
        check = next;
        Redraw(ODA_SELECT);
    }
}

void ButtonControl::SetStyle(WPARAM style, bool redraw) {
    const DWORD old = StyleOf(hwnd);
    SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>((old & 0xFFFF0000u) | LOWORD(style)));
    if (redraw) {
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
    }
}

void ButtonControl::Redraw(UINT action) {
    if (!IsWindowVisible(hwnd)) {
        return;
    }
    // Changes are shown at once, as the owner of a drawn button expects its WM_DRAWITEM.
    if (HDC dc = GetDC(hwnd)) {
        if (IsOwnerDraw()) {
            DrawItem(dc, action);
        } else {
            Paint(dc);
        }
        ReleaseDC(hwnd, dc);
    }
}

ButtonLook ButtonControl::Look() const {
    ButtonLook look;
    look.text.resize(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1);
    look.text.resize(static_cast<std::size_t>(
        GetWindowTextA(hwnd, look.text.data(), static_cast<int>(look.text.size()))));
    look.font = font;
    look.style = StyleOf(hwnd);
    look.check = check;
    look.pushed = pushed;
    look.focused = HasFocus(hwnd);
    look.disabled = !IsWindowEnabled(hwnd);
    return look;
}

void ButtonControl::Paint(HDC dc) {
    if (IsOwnerDraw()) {
        DrawItem(dc, ODA_DRAWENTIRE);
        return;
    }
    const RECT r = ClientRectOf(hwnd);
    const bool checkKind = IsCheckKind();
    HBRUSH brush = AskColour(hwnd, dc, checkKind ? WM_CTLCOLORSTATIC : WM_CTLCOLORBTN);
    FillRect(dc, &r, brush);
    if (checkKind) {
        ButtonPainter::PaintCheck(dc, r, Look());
    } else {
        ButtonPainter::PaintPush(dc, r, Look());
    }
}

void ButtonControl::DrawItem(HDC dc, UINT action) {
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = action;
    item.itemState = (pushed ? ODS_SELECTED : 0) | (HasFocus(hwnd) ? ODS_FOCUS : 0) |
                     (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
    item.hwndItem = hwnd;
    item.hDC = dc;
    item.rcItem = ClientRectOf(hwnd);
    if (HWND parent = GetParent(hwnd)) {
        SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
}

} // namespace ctl
