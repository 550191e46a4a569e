#include "tests/desktop/DesktopPeer.h"

#include "platform/afx/CCheckListBox.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WindowSystem.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

namespace desktoptest {

namespace {

constexpr int GridUnits = 16;
constexpr int AndOrUnits = 3;
constexpr int FieldsUnits = 5;

} // namespace

DialogTargets QueryBuilderTargets() {
    win::SetBackend(std::make_unique<backend::HeadlessBackend>());
    ctl::RegisterBuiltinControls();
    const HWND probe =
        CreateDialogIndirectParamA(nullptr, &res::QueryBuilderTemplate(), nullptr, nullptr, 0);
    DialogTargets targets{};
    RECT combo{};
    GetWindowRect(GetDlgItem(probe, res::IDC_TABLE), &combo);
    RECT grid{};
    GetWindowRect(GetDlgItem(probe, res::IDC_WHERE_GRID), &grid);
    POINT origin{0, 0};
    ClientToScreen(probe, &origin);
    const LONG unit = (grid.right - grid.left - 4) / GridUnits;
    targets.tableCombo = {(combo.left + combo.right) / 2 - origin.x, (combo.top + 10) - origin.y};
    targets.fieldsCell = {grid.left + 2 + AndOrUnits * unit + FieldsUnits * unit / 2 - origin.x,
                          grid.top + 8 - origin.y};
    RECT ok{};
    GetWindowRect(GetDlgItem(probe, IDOK), &ok);
    targets.okButton = {(ok.left + ok.right) / 2 - origin.x, (ok.top + ok.bottom) / 2 - origin.y};
    CCheckListBox list; // the host's column list is a check list: items of its height
    if (list.SubclassWindow(GetDlgItem(probe, res::IDC_COLUMNS))) {
        for (const char* item : {"*", "ID", "Name"}) {
            list.AddString(item);
        }
        RECT item{};
        list.GetItemRect(2, &item);
        targets.nameBox = {item.left + 1 + CCheckListBox::BoxSize / 2,
                           (item.top + item.bottom) / 2};
        MapWindowPoints(list.m_hWnd, probe, &targets.nameBox, 1);
        list.UnsubclassWindow();
    }
    DestroyWindow(probe);
    win::SetBackend(nullptr);
    return targets;
}

} // namespace desktoptest
