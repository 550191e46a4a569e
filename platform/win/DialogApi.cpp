// Dialog creation, modal runs, the dialog procedure and keys.
#include "platform/win/DialogBuilder.h"
#include "platform/win/DialogKeys.h"
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

namespace win {

INT_PTR RunModalDialog(HWND dialog) {
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
    const INT_PTR result = ModalLoop::Run(dialog);
    data = DialogTable::Get().Find(dialog);
    return data && data->ended ? data->result : result;
}

} // namespace win
