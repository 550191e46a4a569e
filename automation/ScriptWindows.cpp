#include "automation/ScriptWindows.h"

#include "platform/afx/CCheckListBox.h"
#include "platform/base/WinControls.h"
#include "platform/ctl/ControlMap.h"
#include "platform/ctl/MessageBoxWindow.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/WindowSystem.h"

#include <vector>

namespace qvsql::scriptwin {

namespace {

constexpr const char* GridDropDownClass = "QVSQLAdvComboBoxCtrl";
constexpr int CheckBoxLeft = 1; // the check list's box starts one pixel into the item

} // namespace

HWND ActiveModalWindow() {
    for (HWND top : win::TopLevelWindows()) {
        if (IsWindowVisible(top) && win::ModalLoop::IsRunning(top)) {
            return top;
        }
    }
    return nullptr;
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    return GetClassNameA(hwnd, name, sizeof name) > 0 ? name : "";
}

std::string TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) {
        return "";
    }
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(hwnd, text.data(), length + 1);
    return std::string(text.data(), static_cast<std::size_t>(std::max(got, 0)));
}

POINT CentreOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ClientToScreenPoint(HWND hwnd, POINT p) {
    ClientToScreen(hwnd, &p);
    return p;
}

bool MessageBoxText(HWND hwnd, std::string& text) {
    const ctl::MessageBoxWindow* box = ctl::ControlMap<ctl::MessageBoxWindow>::Find(hwnd);
    if (!box) {
        return false;
    }
    text = box->Text();
    return true;
}

int FindEntry(HWND list, const std::string& text) {
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0 || static_cast<std::size_t>(length) != text.size()) {
            continue;
        }
        std::vector<char> entry(text.size() + 1);
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(entry.data()));
        if (text == entry.data()) {
            return i;
        }
    }
    return -1;
}

bool EntryRect(HWND list, int index, RECT& rect) {
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) {
        return false;
    }
    RECT client{};
    GetClientRect(list, &client);
    const auto at = static_cast<WPARAM>(index);
    SendMessageA(list, LB_GETITEMRECT, at, reinterpret_cast<LPARAM>(&rect));
    if (rect.top < client.top || rect.bottom > client.bottom) {
        SendMessageA(list, LB_SETTOPINDEX, at, 0);
        win::PumpMessages();
        SendMessageA(list, LB_GETITEMRECT, at, reinterpret_cast<LPARAM>(&rect));
    }
    return true;
}

bool EntryPoint(HWND list, int index, bool box, POINT& screen) {
    RECT r{};
    if (!EntryRect(list, index, r)) {
        return false;
    }
    const int middle = (r.top + r.bottom) / 2;
    const int boxCentre = r.left + CheckBoxLeft + CCheckListBox::BoxSize / 2;
    screen = ClientToScreenPoint(list, {box ? boxCentre : (r.left + r.right) / 2, middle});
    return true;
}

HWND DroppedList(HWND combo) {
    if (!SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        return nullptr;
    }
    COMBOBOXINFO info;
    SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info.hwndList;
}

HWND GridDropDownList() {
    for (HWND top : win::TopLevelWindows()) {
        if (!IsWindowVisible(top) || ClassOf(top) != GridDropDownClass) {
            continue;
        }
        for (HWND c = GetWindow(top, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (ClassOf(c) == "ListBox") {
                return c;
            }
        }
    }
    return nullptr;
}

} // namespace qvsql::scriptwin
