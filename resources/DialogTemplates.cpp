#include "resources/DialogTemplates.h"

#include "module/InterfaceTexts.h"
#include "platform/base/CommCtrl.h"
#include "platform/base/WinStyles.h"
#include "resources/ResourceIds.h"

namespace res {

namespace {

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
constexpr DWORD label = child | SS_LEFT;
constexpr DWORD tab = child | WS_TABSTOP;
constexpr DWORD dialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD grid = tab | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

} // namespace

const DialogTemplate& QueryBuilderTemplate() {
    static const DialogTemplate dialog{
        dialogStyle,
        0,
        qvsql::texts::dialogTitle,
        0,
        0,
        400,
        266,
        "MS Sans Serif",
        8,
        {
            {IDC_SYNTAX_LABEL, "Static", qvsql::texts::syntaxLabel, label, 0, 7, 7, 93, 10},
            {IDC_SYNTAX_TEXT, "Static", syntaxReminder, label, 0, 7, 20, 104, 80},
            {IDC_PREVIEW_LABEL, "Static", qvsql::texts::previewLabel, label, 0, 7, 106, 120, 11},
            {IDC_PREVIEW, "Edit", "", tab | WS_BORDER | ES_MULTILINE | ES_READONLY, 0, 7, 116, 120,
             143},
            {IDC_STATIC, "Static", "", child | SS_ETCHEDVERT, 0, 130, 7, 1, 252},
            {IDC_SELECT_LABEL, "Static", "SELECT", label, 0, 133, 7, 43, 12},
            {IDC_COLUMNS, "ListBox", "",
             tab | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                 LBS_NOINTEGRALHEIGHT,
             0, 176, 7, 82, 67},
            {IDC_FROM_LABEL, "Static", "FROM", label, 0, 260, 7, 25, 11},
            {IDC_TABLE, "ComboBox", "", tab | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0, 290, 7,
             105, 175},
            {IDC_WHERE_LABEL, "Static", "WHERE", label, 0, 134, 82, 41, 12},
            {IDC_WHERE_ENABLE, "Button", "", tab | BS_AUTOCHECKBOX, 0, 142, 97, 9, 9},
            {IDC_WHERE_GRID, "SysListView32", "", grid | LVS_EDITLABELS, 0, 177, 81, 196, 86},
            {IDC_ADD, "Button", "+", tab | BS_PUSHBUTTON, 0, 375, 82, 18, 18},
            {IDC_REMOVE, "Button", "-", tab | BS_PUSHBUTTON, 0, 375, 100, 18, 18},
            {IDC_ORDERBY_LABEL, "Static", "ORDER BY", label, 0, 134, 173, 41, 12},
            {IDC_ORDERBY_ENABLE, "Button", "", tab | BS_AUTOCHECKBOX, 0, 143, 188, 9, 9},
            {IDC_ORDERBY_GRID, "SysListView32", "", grid, 0, 177, 173, 147, 86},
            {IDC_UP, "Button", "", tab | BS_PUSHBUTTON, 0, 325, 173, 16, 10},
            {IDC_DOWN, "Button", "", tab | BS_PUSHBUTTON, 0, 325, 183, 16, 10},
            {IDOK, "Button", qvsql::texts::ok, tab | BS_DEFPUSHBUTTON, 0, 333, 229, 60, 14},
            {IDCANCEL, "Button", qvsql::texts::cancel, tab | BS_PUSHBUTTON, 0, 333, 245, 60, 14},
        }};
    return dialog;
}

const DialogTemplate& WhenPrintedTemplate() {
    static const DialogTemplate dialog{
        dialogStyle,
        0,
        "When Printed variable",
        0,
        0,
        186,
        78,
        "MS Shell Dlg",
        8,
        {
            {IDOK, "Button", "OK", tab | BS_DEFPUSHBUTTON, 0, 31, 56, 50, 14},
            {IDCANCEL, "Button", "Cancel", tab | BS_PUSHBUTTON, 0, 107, 56, 50, 14},
            {IDC_WP_DEFAULT, "ComboBox", "", tab | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0, 70,
             35, 109, 30},
            {IDC_WP_PROMPT, "Edit", "", tab | WS_BORDER | ES_AUTOHSCROLL, 0, 70, 13, 109, 14},
            {IDC_STATIC, "Static", "Default value", label, 0, 19, 35, 44, 8},
            {IDC_STATIC, "Static", "User Prompt", label, 0, 20, 13, 40, 8},
        }};
    return dialog;
}

} // namespace res
