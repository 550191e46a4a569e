#include "tests/monkey/MonkeyEvents.h"

#include "dialog/CSELECTSQLDlg.h"
#include "platform/afx/AfxMessageEntries.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "tests/monkey/MonkeyText.h"

namespace monkey {

namespace {

MonkeyEvents* watching = nullptr;
WNDPROC previewProc = nullptr;
WNDPROC builderProc = nullptr;

UINT CheckboxClicked() {
    static const UINT message = RegisterWindowMessageA("WM_XLISTCTRL_CHECKBOX_CLICKED");
    return message;
}

UINT ComboSelection() {
    static const UINT message = RegisterWindowMessageA("WM_XLISTCTRL_COMBO_SELECTION");
    return message;
}

// Replaces a window's procedure with hook unless it is already there.
void Subclass(HWND window, WNDPROC hook, WNDPROC& previous) {
    if (window && GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(hook)) {
        previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook)));
    }
}

} // namespace

MonkeyEvents::MonkeyEvents(const CSELECTSQLDlg& watched, const MonkeyOracle& composer,
                           std::string& failed)
    : dialog(watched), oracle(composer), failure(failed) {
    watching = this;
}

MonkeyEvents::~MonkeyEvents() {
    watching = nullptr;
}

void MonkeyEvents::Fail(const std::string& what) {
    if (failure.empty()) {
        failure = what;
    }
}

void MonkeyEvents::Hook(const std::string& shown) {
    if (GetWindowLongPtrA(dialog.m_hWnd, GWLP_WNDPROC) !=
        reinterpret_cast<LONG_PTR>(&BuilderProc)) {
        lastPreview = shown;
    }
    Subclass(GetDlgItem(dialog.m_hWnd, res::IDC_PREVIEW), &PreviewProc, previewProc);
    Subclass(dialog.m_hWnd, &BuilderProc, builderProc);
}

// The When Printed state outlives a showing, and an opening without a handed-in statement
// composes at once: a clause still pending from the last showing is used up there.
void MonkeyEvents::Opening() {
    pendingClause = dialog.lastWpClause;
}

void MonkeyEvents::NoteStep() {
    ++steps;
    pendingClause = dialog.lastWpClause;
}

bool MonkeyEvents::Explains(const std::string& text) const {
    for (const std::string& clause : {pendingClause, dialog.lastWpClause}) {
        const qvsql::ComposeResult composed = oracle.Compose(clause);
        if (composed.result && composed.sqlText == text) {
            return true;
        }
    }
    return false;
}

// ---- the preview

LRESULT MonkeyEvents::PreviewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTEXT && watching) {
        watching->PreviewSet(lParam ? reinterpret_cast<const char*>(lParam) : "");
    }
    return CallWindowProcA(previewProc, hwnd, msg, wParam, lParam);
}

void MonkeyEvents::PreviewSet(const std::string& text) {
    if (!Explains(text)) {
        const qvsql::ComposeResult composed = oracle.Compose(pendingClause);
        Fail("the preview became " + Quoted(text) + " but the controls compose " +
             (composed.result ? Quoted(composed.sqlText) : "nothing (" + composed.errorText + ")"));
    }
    lastPreview = text;
    pendingClause = dialog.lastWpClause;
}

// ---- the handlers

LRESULT MonkeyEvents::BuilderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MonkeyEvents* self = watching;
    if (!self || !self->MustCompose(msg, wParam, lParam)) {
        return CallWindowProcA(builderProc, hwnd, msg, wParam, lParam);
    }
    self->handlerClause = self->dialog.lastWpClause;
    const long stepsBefore = self->steps;
    const LRESULT result = CallWindowProcA(builderProc, hwnd, msg, wParam, lParam);
    if (watching == self) {
        self->Handled(self->handlerClause, stepsBefore);
        // A handler may run inside another one ("+" sets the new row's value text, and the
        // item-changed notification composes at once). The inner composition uses up a
        // pending When Printed clause, so the outer one composes without it.
        self->handlerClause = self->dialog.lastWpClause;
    }
    return result;
}

bool MonkeyEvents::MustCompose(UINT msg, WPARAM wParam, LPARAM lParam) const {
    if (msg == WM_COMMAND) {
        return CommandComposes(LOWORD(wParam), HIWORD(wParam));
    }
    if (msg == WM_NOTIFY && lParam) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return header->idFrom == res::IDC_WHERE_GRID && header->code == LVN_ITEMCHANGED;
    }
    return msg == CheckboxClicked() || msg == ComboSelection();
}

bool MonkeyEvents::CommandComposes(int id, UINT code) const {
    switch (id) {
    case res::IDC_COLUMNS:
        return code == CLBN_CHKCHANGE;
    case res::IDC_TABLE:
        return code == CBN_SELCHANGE;
    case res::IDC_WHERE_ENABLE:
    case res::IDC_ORDERBY_ENABLE:
    case res::IDC_ADD:
    case IDOK:
        return code == BN_CLICKED;
    case res::IDC_REMOVE:
        return code == BN_CLICKED && dialog.whereGrid.GetItemCount() > 0;
    case res::IDC_UP:
        return code == BN_CLICKED && MoveComposes(-1);
    case res::IDC_DOWN:
        return code == BN_CLICKED && MoveComposes(1);
    default:
        return false;
    }
}

// A selected, checked row with a neighbour moves. (At either end the preview may or may not
// be rebuilt: that case is not checked.)
bool MonkeyEvents::MoveComposes(int step) const {
    const COrderByListCtrl& grid = dialog.orderByGrid;
    const int row = grid.GetCurSel();
    const int neighbour = row + step;
    return row >= 0 && neighbour >= 0 && neighbour < grid.GetItemCount() &&
           grid.GetCheckState(row, 0) == 1;
}

// Unless a nested window (a When Printed prompt, a message box) took input meanwhile, the
// handler has composed what the controls hold now.
void MonkeyEvents::Handled(const std::string& clause, long stepsBefore) {
    if (steps != stepsBefore || !IsWindow(dialog.m_hWnd)) {
        return;
    }
    const qvsql::ComposeResult composed = oracle.Compose(clause);
    const std::string shown = WindowText(GetDlgItem(dialog.m_hWnd, res::IDC_PREVIEW));
    if (dialog.errorText != composed.errorText ||
        (composed.result && (shown != composed.sqlText || dialog.sqlText != composed.sqlText))) {
        Fail("after a handler the preview shows " + Quoted(shown) + " with the error " +
             Quoted(dialog.errorText) + " but the controls compose " +
             (composed.result ? Quoted(composed.sqlText) : "nothing (" + composed.errorText + ")"));
    }
}

} // namespace monkey
