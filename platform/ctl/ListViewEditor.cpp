#include "platform/ctl/ListViewEditor.h"
#include "platform/win/WinUser.h"

#include "platform/base/WinStyles.h"

#include <unordered_map>
#include <vector>

namespace ctl {

namespace {

std::unordered_map<HWND, WNDPROC>& Originals() {
    static std::unordered_map<HWND, WNDPROC> originals;
    return originals;
}

void End(HWND edit, bool commit) {
    HWND list = GetParent(edit);
    if (list) {
        SendMessageA(list, ListViewEditor::EndMessage, commit ? 1 : 0,
                     reinterpret_cast<LPARAM>(edit));
    }
}

// Tab leaves the editor: the focus goes back to the list, which ends the edit as any focus
// loss does, then on through the dialog's tab order, so the user is never held in a cell.
void TabOut(HWND edit) {
    HWND list = GetParent(edit);
    if (!list) {
        return;
    }
    const WPARAM previous = GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
    SetFocus(list);
    PostMessageA(GetAncestor(list, GA_ROOT), WM_NEXTDLGCTL, previous, FALSE);
}

LRESULT EditorProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto it = Originals().find(edit);
    if (it == Originals().end()) {
        return DefWindowProcA(edit, msg, wParam, lParam);
    }
    const WNDPROC original = it->second;
    switch (msg) {
    case WM_GETDLGCODE:
        return CallWindowProcA(original, edit, msg, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
            End(edit, wParam == VK_RETURN);
            return 0;
        }
        if (wParam == VK_TAB) {
            TabOut(edit);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r' || wParam == 0x1B || wParam == '\t') {
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        CallWindowProcA(original, edit, msg, wParam, lParam);
        End(edit, true);
        return 0;
    case WM_NCDESTROY:
        Originals().erase(edit);
        break;
    default:
        break;
    }
    return CallWindowProcA(original, edit, msg, wParam, lParam);
}

} // namespace

HWND ListViewEditor::Open(HWND list, const RECT& cell, const std::string& text, HFONT font) {
    HWND edit = CreateWindowExA(0, "Edit", text.c_str(), WS_CHILD | WS_BORDER | ES_AUTOHSCROLL,
                                cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top,
                                list, nullptr, nullptr, nullptr);
    if (!edit) {
        return nullptr;
    }
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    Originals()[edit] = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorProc));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    ShowWindow(edit, SW_SHOW);
    SetFocus(edit);
    return edit;
}

std::string ListViewEditor::TextOf(HWND edit) {
    const int length = GetWindowTextLengthA(edit);
    std::vector<char> buffer(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    GetWindowTextA(edit, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

} // namespace ctl
