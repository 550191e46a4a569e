// Dialog creation, modal runs, the dialog procedure and keys, dialog units.
#include "platform/gfx/Gdi.h"
#include "platform/win/DialogBuilder.h"
#include "platform/win/DialogKeys.h"
#include "platform/win/DialogNavigator.h"
#include "platform/win/DialogProcedure.h"
#include "platform/win/DialogTable.h"
#include "platform/win/ModalLoop.h"

#include <climits>
#include <cstdlib>

using win::DialogTable;

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const long long divisor = std::llabs(static_cast<long long>(c));
    const long long q = (std::llabs(product) + divisor / 2) / divisor;
    const long long result = negative ? -q : q;
    return result < INT_MIN || result > INT_MAX ? -1 : static_cast<int>(result);
}

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* tpl, HWND owner,
                                DLGPROC proc, LPARAM param) {
    return tpl ? win::DialogBuilder::Build(instance, *tpl, owner, proc, param, true) : nullptr;
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DialogTemplate* tpl, HWND owner,
                                DLGPROC proc, LPARAM param) {
    const HWND dialog =
        tpl ? win::DialogBuilder::Build(instance, *tpl, owner, proc, param, false) : nullptr;
    if (!dialog) {
        return -1;
    }
    const INT_PTR result = win::RunModalDialog(dialog, true);
    DestroyWindow(dialog);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    win::DialogData* data = DialogTable::Get().Find(dialog);
    if (!data) {
        return FALSE;
    }
    data->ended = true;
    data->result = result;
    if (!win::ModalLoop::End(dialog, result)) {
        ShowWindow(dialog, SW_HIDE); // modeless, or ended before its loop began
    }
    return TRUE;
}

LRESULT DefDlgProcA(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    return win::DialogProcedure::Handle(dialog, msg, wParam, lParam);
}

BOOL IsDialogMessageA(HWND dialog, MSG* msg) {
    return msg && win::DialogKeys::Process(dialog, *msg) ? TRUE : FALSE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    return win::DialogNavigator::NextTabItem(dialog, control, previous != FALSE);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    return win::DialogNavigator::NextGroupItem(dialog, control, previous != FALSE);
}

LONG GetDialogBaseUnits() {
    const SIZE units = gfx::DialogBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    return static_cast<LONG>(MAKELPARAM(units.cx, units.cy));
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    const win::DialogData* data = DialogTable::Get().Find(dialog);
    if (!data || !rect) {
        return FALSE;
    }
    rect->left = MulDiv(rect->left, data->baseUnits.cx, 4);
    rect->right = MulDiv(rect->right, data->baseUnits.cx, 4);
    rect->top = MulDiv(rect->top, data->baseUnits.cy, 8);
    rect->bottom = MulDiv(rect->bottom, data->baseUnits.cy, 8);
    return TRUE;
}

namespace win {

INT_PTR RunModalDialog(HWND dialog, bool systemLoop) {
    const DialogData* data = DialogTable::Get().Find(dialog);
    if (!data) {
        return -1;
    }
    if (data->ended) {
        return data->result;
    }
    if (!IsWindowVisible(dialog)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    PreTranslateHook filter;
    if (systemLoop) {
        filter = [dialog](MSG& msg) { return IsDialogMessageA(dialog, &msg) != FALSE; };
    }
    const INT_PTR result = ModalLoop::Run(dialog, filter);
    data = DialogTable::Get().Find(dialog);
    return data && data->ended ? data->result : result;
}

} // namespace win
