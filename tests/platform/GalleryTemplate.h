#pragma once
// A dialog holding every built-in control the query builder uses, with realistic content,
// and the procedure that colours and owner-draws it as the builder will.
#include "platform/win/WinDialogs.h"

namespace gallery {

enum Id : int {
    TableCombo = 1001,
    ColumnChecks = 1002,
    TableList = 1003,
    Scroller = 1004,
    TableLabel = 1005, // the blue one
    Distinct = 1006,
    Quote = 1007,
    Filter = 1008,
    Preview = 1009,
    Run = 1010,
    Line = 1011,
};

inline constexpr COLORREF LabelBlue = 0x00FF0000; // RGB(0, 0, 255)
inline constexpr int CheckBoxSize = 13;

const DialogTemplate& Template();
// Fills the controls on WM_INITDIALOG; answers the colour and owner-draw requests.
// OK and Cancel end the dialog with their id.
INT_PTR Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace gallery
