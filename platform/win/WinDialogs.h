#pragma once
// The dialog manager: dialogs made from templates, the dialog window class "#32770" and its
// default procedure, dialog keys and control helpers.
#include "platform/base/DialogTemplate.h"
#include "platform/base/WinControls.h"
#include "platform/win/WinUser.h"

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// Rounded a * b / c; -1 when c is 0 or the result does not fit.
int MulDiv(int a, int b, int c);

// Modeless creation: the window is shown only when the template says WS_VISIBLE. Null when
// the template, the owner or a control cannot be made.
HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* tpl, HWND owner,
                                DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);

LRESULT DefDlgProcA(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// TRUE when msg belongs to the dialog or one of its descendants; it has then been handled
// as a dialog key or translated and dispatched.
BOOL IsDialogMessageA(HWND dialog, MSG* msg);

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

namespace win {

// The modal loop of a dialog made by CreateDialog*: shows it, disables its owner and returns
// the EndDialog result (at once when EndDialog came first); messages pass the pre-translate
// hook. -1 when the window is not a dialog. The caller destroys the window.
INT_PTR RunModalDialog(HWND dialog);

} // namespace win
