#include "platform/win/DialogNavigator.h"

#include "platform/base/WinControls.h"
#include "platform/win/DialogTable.h"

#include <algorithm>

namespace win {

namespace {

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

constexpr LRESULT PushButton = DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;

} // namespace

LRESULT DialogNavigator::DialogCode(HWND control, const MSG* msg) {
    const WPARAM key = msg ? msg->wParam : 0;
    return control ? SendMessageA(control, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(msg)) : 0;
}

void DialogNavigator::Collect(HWND parent, std::vector<HWND>& out) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(c, GWL_EXSTYLE));
        if ((exStyle & WS_EX_CONTROLPARENT) && Usable(c)) {
            Collect(c, out);
        } else {
            out.push_back(c);
        }
    }
}

std::vector<HWND> DialogNavigator::Controls(HWND dialog) {
    std::vector<HWND> controls;
    if (IsWindow(dialog)) {
        Collect(dialog, controls);
    }
    return controls;
}

std::vector<HWND>::const_iterator DialogNavigator::Holder(const std::vector<HWND>& controls,
                                                          HWND window) {
    for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
        auto it = std::find(controls.begin(), controls.end(), w);
        if (it != controls.end()) {
            return it;
        }
    }
    return controls.end();
}

bool DialogNavigator::Usable(HWND control) {
    const DWORD style = StyleOf(control);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

HWND DialogNavigator::NextTabItem(HWND dialog, HWND from, bool previous) {
    const auto controls = Controls(dialog);
    const auto n = static_cast<std::ptrdiff_t>(controls.size());
    const auto found = Holder(controls, from);
    if (n == 0 || (from && from != dialog && found == controls.end())) {
        return nullptr;
    }
    const bool inside = found != controls.end();
    const std::ptrdiff_t start = inside ? found - controls.begin() : (previous ? n : -1);
    for (std::ptrdiff_t k = 1; k <= n; ++k) {
        const std::ptrdiff_t j = ((start + (previous ? -k : k)) % n + n) % n;
        HWND c = controls[static_cast<std::size_t>(j)];
        if (Usable(c) && (StyleOf(c) & WS_TABSTOP)) {
            return c;
        }
    }
    return inside ? *found : nullptr;
}

HWND DialogNavigator::NextGroupItem(HWND dialog, HWND from, bool previous) {
    const auto controls = Controls(dialog);
    const auto found = Holder(controls, from);
    if (found == controls.end()) {
        return nullptr;
    }
    const auto at = found - controls.begin();
    auto first = at;
    while (first > 0 && !(StyleOf(controls[static_cast<std::size_t>(first)]) & WS_GROUP)) {
        --first;
    }
    auto end = at + 1;
    while (end < static_cast<std::ptrdiff_t>(controls.size()) &&
           !(StyleOf(controls[static_cast<std::size_t>(end)]) & WS_GROUP)) {
        ++end;
    }
    const auto size = end - first;
    for (std::ptrdiff_t k = 1; k < size; ++k) {
        const auto offset = (at - first + (previous ? size - k : k)) % size;
        HWND c = controls[static_cast<std::size_t>(first + offset)];
        if (Usable(c)) {
            return c;
        }
    }
    return *found;
}

HWND DialogNavigator::FirstFocus(HWND dialog) {
    if (HWND tab = NextTabItem(dialog, nullptr, false)) {
        return tab;
    }
    const auto controls = Controls(dialog);
    auto it = std::find_if(controls.begin(), controls.end(), Usable);
    return it == controls.end() ? nullptr : *it;
}

void DialogNavigator::MoveFocus(HWND dialog, HWND target) {
    if (!target) {
        return;
    }
    const LRESULT code = DialogCode(target);
    if (SetFocus(target) == nullptr && GetFocus() != target) {
        return;
    }
    if (code & DLGC_HASSETSEL) {
        SendMessageA(target, EM_SETSEL, 0, -1);
    }
    FocusChanged(dialog);
}

void DialogNavigator::RestoreFocus(HWND dialog) {
    DialogData* data = DialogTable::Get().Find(dialog);
    HWND target = data ? data->savedFocus : nullptr;
    if (!IsChild(dialog, target) || !Usable(target)) {
        target = FirstFocus(dialog);
    }
    if (!target) {
        SetFocus(dialog);
        return;
    }
    SetFocus(target);
    FocusChanged(dialog);
}

void DialogNavigator::FocusChanged(HWND dialog) {
    DialogData* data = DialogTable::Get().Find(dialog);
    const HWND focus = GetFocus();
    if (!data || focus == data->lastFocus || !IsChild(dialog, focus)) {
        return;
    }
    data->lastFocus = focus;
    ShowAsDefault(dialog, (DialogCode(focus) & PushButton) ? focus : DefaultButton(dialog));
}

void DialogNavigator::SetDefaultId(HWND dialog, int id) {
    DialogData* data = DialogTable::Get().Find(dialog);
    if (!data) {
        return;
    }
    data->defId = id;
    const HWND focus = GetFocus();
    if (!IsChild(dialog, focus) || !(DialogCode(focus) & PushButton)) {
        ShowAsDefault(dialog, GetDlgItem(dialog, id));
    }
}

int DialogNavigator::DefaultId(HWND dialog) {
    const auto answer = static_cast<WPARAM>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : IDOK;
}

HWND DialogNavigator::DefaultButton(HWND dialog) {
    return GetDlgItem(dialog, DefaultId(dialog));
}

void DialogNavigator::ShowAsDefault(HWND dialog, HWND button) {
    for (HWND c : Controls(dialog)) {
        if (c != button && (DialogCode(c) & DLGC_DEFPUSHBUTTON)) {
            SetButtonType(c, BS_PUSHBUTTON);
        }
    }
    if (button && (DialogCode(button) & DLGC_UNDEFPUSHBUTTON)) {
        SetButtonType(button, BS_DEFPUSHBUTTON);
    }
}

void DialogNavigator::SetButtonType(HWND button, DWORD type) {
    const DWORD style = (StyleOf(button) & 0xFFFF & ~BS_TYPEMASK) | type;
    SendMessageA(button, BM_SETSTYLE, style, TRUE);
}

} // namespace win
