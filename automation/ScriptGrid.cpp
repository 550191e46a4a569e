#include "automation/ScriptGrid.h"

#include "controls/CXListCtrl.h"
#include "platform/base/CommCtrl.h"
#include "platform/win/WindowSystem.h"

#include <vector>

namespace qvsql::scriptgrid {

namespace {

constexpr int CheckBoxIndent = 9;

CXListCtrl* GridOf(HWND list) {
    return dynamic_cast<CXListCtrl*>(CWnd::FromHandlePermanent(list));
}

int RowCount(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int ColumnCount(HWND list) {
    const auto header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

// A plain list view gives the whole row for column 0; its label is what a person aims at.
bool ListCellRect(HWND list, int row, int column, RECT& r) {
    r = {};
    r.top = column;
    r.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    const UINT msg = column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT;
    return SendMessageA(list, msg, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)) != 0;
}

POINT CheckBoxCentre(const CRect& cell, bool centred) {
    const int side = cell.bottom - 1 - cell.top;
    const int left =
        centred ? cell.left + cell.Width() / 2 - side / 2 - 1 : cell.left + CheckBoxIndent;
    return {left + 1 + side / 2, cell.top + side / 2};
}

bool GridCellPoint(CXListCtrl& grid, int row, int column, POINT& p) {
    CRect cell;
    if (!grid.GetCellRect(row, column, LVIR_BOUNDS, cell)) {
        return false;
    }
    if (grid.GetCheckState(row, column) >= 0) {
        p = CheckBoxCentre(cell, grid.GetItemText(row, column).empty());
    } else {
        p = cell.CenterPoint();
    }
    return true;
}

} // namespace

bool CellPoint(HWND list, int row, int column, POINT& screen) {
    if (row < 0 || row >= RowCount(list) || column < 0 || column >= ColumnCount(list)) {
        return false;
    }
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    win::PumpMessages();
    POINT p{};
    RECT r{};
    if (CXListCtrl* grid = GridOf(list)) {
        if (!GridCellPoint(*grid, row, column, p)) {
            return false;
        }
    } else if (ListCellRect(list, row, column, r)) {
        p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    } else {
        return false;
    }
    ClientToScreen(list, &p);
    screen = p;
    return true;
}

std::string CellText(HWND list, int row, int column) {
    if (row < 0 || row >= RowCount(list) || column < 0 || column >= ColumnCount(list)) {
        return "";
    }
    std::vector<char> text(1024);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text.data();
}

std::optional<int> RowCheck(HWND list, int row) {
    CXListCtrl* grid = GridOf(list);
    if (!grid) {
        return std::nullopt;
    }
    for (int column = 0; column < grid->GetColumnCount(); ++column) {
        if (const int state = grid->GetCheckState(row, column); state >= 0) {
            return state;
        }
    }
    return std::nullopt;
}

} // namespace qvsql::scriptgrid
