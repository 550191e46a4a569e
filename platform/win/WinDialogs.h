#pragma once
// The dialog manager: dialogs made from templates, the dialog window class "#32770" and its
// default procedure, dialog keys, control helpers and dialog units.
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
// Modal run: the EndDialog result, IDCANCEL when no input can arrive, -1 when the dialog
// cannot be made. The loop offers messages to IsDialogMessageA, not to the pre-translate hook.
INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const DialogTemplate* tpl, HWND owner,
                                DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);

LRESULT DefDlgProcA(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// TRUE when msg belongs to the dialog or one of its descendants; it has then been handled
// as a dialog key or translated and dispatched.
BOOL IsDialogMessageA(HWND dialog, MSG* msg);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

// Base units of the system font, width in the low word.
LONG GetDialogBaseUnits();
// Dialog units of the dialog's font to pixels.
BOOL MapDialogRect(HWND dialog, RECT* rect);

namespace win {

// The modal loop of a dialog made by CreateDialog*: shows it, disables its owner and returns
// the EndDialog result (at once when EndDialog came first). systemLoop: messages go to
// IsDialogMessageA instead of the pre-translate hook, as in DialogBox. The caller destroys
// the window.
INT_PTR RunModalDialog(HWND dialog, bool systemLoop);

} // namespace win
