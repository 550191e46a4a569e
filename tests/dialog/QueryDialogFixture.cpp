#include "tests/dialog/QueryDialogFixture.h"

#include "platform/afx/CWinApp.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WindowSystem.h"
#include "resources/ResourceIds.h"

#include <memory>

namespace dialogtest {

namespace {

CWinApp theApp; // the pre-translate chain and the tooltips need an application object

} // namespace

void QueryDialogFixture::SetUp() {
    auto headless = std::make_unique<backend::HeadlessBackend>();
    display = headless.get();
    win::SetBackend(std::move(headless));
    ctl::RegisterBuiltinControls();
    settings.stringFilePath = "/nonexistent/english.str";
    dialog = std::make_unique<CSELECTSQLDlg>();
    dialog->UseModuleSettings(&settings);
}

void QueryDialogFixture::TearDown() {
    for (HWND top : win::TopLevelWindows()) {
        DestroyWindow(top);
    }
    display->Pump();
    dialog.reset();
    win::SetBackend(nullptr);
}

void QueryDialogFixture::RegisterSampleTables() {
    Dlg().SetTableAndColumns("Customers", "ID\tName\tCity\tZip Code\t");
    Dlg().SetTableAndColumns("Orders", "OrderID\tTotal\t");
    settings.currentTable = "Customers";
}

void QueryDialogFixture::Script(std::vector<Step> steps) {
    display->SetScript(wintest::Steps(std::move(steps)));
}

INT_PTR QueryDialogFixture::Run(std::vector<Step> steps) {
    Script(std::move(steps));
    const INT_PTR result = Dlg().DoModal();
    display->SetScript(nullptr);
    return result;
}

POINT QueryDialogFixture::Control(int id) const {
    return wintest::Centre(GetDlgItem(Dlg().m_hWnd, id));
}

POINT QueryDialogFixture::Cell(const CXListCtrl& grid, int row, int column) {
    CRect cell;
    grid.GetCellRect(row, column, LVIR_BOUNDS, cell);
    POINT p{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(grid.m_hWnd, &p);
    return p;
}

void QueryDialogFixture::Press(int id) const {
    display->Click(Control(id));
}

std::string QueryDialogFixture::Preview() const {
    char text[512] = {};
    GetDlgItemTextA(Dlg().m_hWnd, res::IDC_PREVIEW, text, static_cast<int>(sizeof text));
    return text;
}

std::vector<std::string> QueryDialogFixture::Row(const CXListCtrl& grid, int row) const {
    std::vector<std::string> texts;
    for (int column = 0; column < grid.GetColumnCount(); ++column) {
        texts.push_back(grid.GetItemText(row, column));
    }
    return texts;
}

std::vector<std::vector<std::string>> QueryDialogFixture::Rows(const CXListCtrl& grid) const {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < grid.GetItemCount(); ++r) {
        rows.push_back(Row(grid, r));
    }
    return rows;
}

std::vector<int> QueryDialogFixture::Checks() const {
    std::vector<int> checks;
    for (int i = 0; i < Dlg().columnList.GetCount(); ++i) {
        checks.push_back(Dlg().columnList.GetCheck(i));
    }
    return checks;
}

} // namespace dialogtest
