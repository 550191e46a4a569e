#pragma once
// Dialogs on the headless backend with two test control classes: "DlgTestCtl" answers
// WM_GETDLGCODE as the test says for its id; "DlgTestButton" acts as a push button (focus on
// press, BN_CLICKED on release, BM_SETSTYLE, check state). Commands reaching the dialog are
// recorded by id.
#include "platform/win/WinDialogs.h"
#include "tests/platform/WinFixture.h"

#include <map>
#include <string>
#include <vector>

namespace wintest {

class DialogFixture : public WinFixture {
  protected:
    void SetUp() override;
    void TearDown() override;

    static DialogItemTemplate Ctl(int id, DWORD style, short x = 0, short y = 0);
    static DialogItemTemplate Button(int id, DWORD type, short x = 0, short y = 0);
    // A captioned modal-frame template of 200 x 100 DU in "MS Sans Serif" 8.
    static DialogTemplate Template(std::vector<DialogItemTemplate> items, DWORD extra = 0);
    HWND Modeless(const DialogTemplate& tpl, HWND owner = nullptr);
    // Routes queued messages through IsDialogMessageA of dialog, as a framework's loop does.
    void PumpThrough(HWND dialog);
    int FocusId() const { return GetDlgCtrlID(GetFocus()); }

    static INT_PTR Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CtlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static DialogFixture* dialogs;

    std::map<int, LRESULT> codes;   // WM_GETDLGCODE answers by control id
    std::vector<int> commands;      // WM_COMMAND ids seen by the dialog proc
    std::vector<std::string> trail; // "id:what" from the test controls
    LRESULT initAnswer = TRUE;
    WPARAM initFocus = 0;
    LPARAM initParam = 0;
    bool endOnCommand = false; // EndDialog(id) on IDOK / IDCANCEL
    std::function<void(HWND)> onInit;
    std::function<void(HWND, int)> onCommand; // replaces endOnCommand
    HBRUSH dialogBrush = nullptr;             // the answer to WM_CTLCOLORDLG
};

} // namespace wintest
