#include "dialog/CSELECTSQLDlg.h"

#include "controls/XListMessages.h"
#include "dialog/DialogSnapshot.h"
#include "dialog/GridCells.h"
#include "dialog/LibraryModule.h"
#include "dialog/TableCatalog.h"
#include "dialog/WhenPrintedPrompt.h"
#include "module/InterfaceTexts.h"
#include "module/ModuleSettings.h"
#include "platform/afx/CWinApp.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "sql/ChoiceLists.h"
#include "sql/StatementComposer.h"
#include "sql/StatementReader.h"

namespace {

constexpr COLORREF labelBlue = RGB(0, 0, 255);
constexpr COLORREF previewWhite = RGB(255, 255, 255);

template <std::size_t N>
void Fill(std::vector<std::string>& list, const std::array<std::string_view, N>& entries) {
    list.assign(entries.begin(), entries.end());
}

bool IsBlueLabel(int id) {
    switch (id) {
    case res::IDC_SYNTAX_LABEL:
    case res::IDC_SYNTAX_TEXT:
    case res::IDC_SELECT_LABEL:
    case res::IDC_FROM_LABEL:
    case res::IDC_WHERE_LABEL:
    case res::IDC_ORDERBY_LABEL:
        return true;
    default:
        return false;
    }
}

bool IsDialogKey(const MSG& msg) {
    return msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

} // namespace

BEGIN_MESSAGE_MAP(CSELECTSQLDlg, CDialog)
ON_BN_CLICKED(res::IDC_WHERE_ENABLE, &CSELECTSQLDlg::OnWhereSwitch)
ON_BN_CLICKED(res::IDC_ORDERBY_ENABLE, &CSELECTSQLDlg::OnOrderBySwitch)
ON_CLBN_CHKCHANGE(res::IDC_COLUMNS, &CSELECTSQLDlg::OnColumnCheckChange)
ON_CBN_SELCHANGE(res::IDC_TABLE, &CSELECTSQLDlg::OnTableChange)
ON_BN_CLICKED(res::IDC_ADD, &CSELECTSQLDlg::OnAddRow)
ON_BN_CLICKED(res::IDC_REMOVE, &CSELECTSQLDlg::OnRemoveRow)
ON_BN_CLICKED(res::IDC_UP, &CSELECTSQLDlg::OnMoveUp)
ON_BN_CLICKED(res::IDC_DOWN, &CSELECTSQLDlg::OnMoveDown)
ON_NOTIFY(NM_DBLCLK, res::IDC_WHERE_GRID, &CSELECTSQLDlg::OnWhereDoubleClick)
ON_NOTIFY(LVN_KEYDOWN, res::IDC_WHERE_GRID, &CSELECTSQLDlg::OnWhereKeyDown)
ON_NOTIFY(LVN_ENDLABELEDITA, res::IDC_WHERE_GRID, &CSELECTSQLDlg::OnWhereEndLabelEdit)
ON_NOTIFY(LVN_ITEMCHANGED, res::IDC_WHERE_GRID, &CSELECTSQLDlg::OnWhereItemChanged)
ON_REGISTERED_MESSAGE(GetXListMessages().checkboxClicked, &CSELECTSQLDlg::OnCheckboxClicked)
ON_REGISTERED_MESSAGE(GetXListMessages().comboSelection, &CSELECTSQLDlg::OnComboSelection)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CSELECTSQLDlg::CSELECTSQLDlg(CWnd* parent) : CDialog(res::IDD_SELECTSQL, parent) {
    const auto translate = [this](std::string_view part, std::string_view text) {
        return Translate(part, text);
    };
    whereGrid.SetTranslator(translate);
    orderByGrid.SetTranslator(translate);
}

CSELECTSQLDlg::~CSELECTSQLDlg() = default;

// ---- module state

void CSELECTSQLDlg::UseModuleSettings(qvsql::ModuleSettings* settings) {
    moduleSettings = settings;
}

std::string CSELECTSQLDlg::Translate(std::string_view part, std::string_view text) const {
    return moduleSettings ? moduleSettings->Translate(part, text) : std::string();
}

std::string CSELECTSQLDlg::CurrentTable() const {
    return moduleSettings ? moduleSettings->currentTable : std::string();
}

qvsql::GroupingChars CSELECTSQLDlg::Grouping() const {
    return moduleSettings ? qvsql::GroupingChars::FromString(moduleSettings->groupingChars)
                          : qvsql::GroupingChars{};
}

// ---- host operations

const char* CSELECTSQLDlg::GetSQL() const {
    return sqlText.c_str();
}

void CSELECTSQLDlg::SetSQL(const char* text) {
    sqlText = text ? text : "";
}

BOOL CSELECTSQLDlg::SetTableAndColumns(const char* table, const char* columns) {
    if (!table || !columns) {
        return FALSE;
    }
    tableMap.SetAt(table, columns);
    return TRUE;
}

BOOL CSELECTSQLDlg::SetSchemaTable(const char* key, const char* value) {
    if (!key || !value) {
        return FALSE;
    }
    schemaMap.SetAt(key, value);
    return TRUE;
}

INT_PTR CSELECTSQLDlg::DoModal() {
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(qvsql::LibraryModule());
    const INT_PTR result = CDialog::DoModal();
    AfxSetResourceHandle(previous);
    return result;
}

// ---- set-up

void CSELECTSQLDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, res::IDC_COLUMNS, columnList);
    DDX_Control(dx, res::IDC_ORDERBY_GRID, orderByGrid);
    DDX_Control(dx, res::IDC_WHERE_GRID, whereGrid);
}

BOOL CSELECTSQLDlg::OnInitDialog() {
    composeHeld = true;
    CDialog::OnInitDialog();
    TranslateTexts();
    TakeOverControls();
    FillChoiceLists();
    FillTableCombo();
    CheckDlgButton(m_hWnd, res::IDC_WHERE_ENABLE, BST_CHECKED);
    whereGrid.SetUpColumns();
    OnWhereSwitch();
    CheckDlgButton(m_hWnd, res::IDC_ORDERBY_ENABLE, BST_CHECKED);
    orderByGrid.SetUpColumns();
    orderByGrid.FillRows(tableColumns, sortChoices);
    OnOrderBySwitch();
    SetDlgItemTextA(m_hWnd, res::IDC_PREVIEW, sqlText.c_str());
    ParseStatement();
    ready = true;
    composeHeld = false;
    if (sqlText.empty()) {
        ComposeStatement();
    }
    return TRUE;
}

void CSELECTSQLDlg::TranslateTexts() {
    const std::string translatedTitle = Translate(qvsql::texts::section, qvsql::texts::dialogTitle);
    if (!translatedTitle.empty()) {
        SetWindowText(translatedTitle);
    }
    for (int id : {IDOK, IDCANCEL, res::IDC_SYNTAX_LABEL, res::IDC_PREVIEW_LABEL}) {
        char text[255] = {};
        GetDlgItemTextA(m_hWnd, id, text, static_cast<int>(sizeof text));
        if (text[0] == '\0') {
            continue;
        }
        const std::string translated = Translate(qvsql::texts::section, text);
        if (!translated.empty()) {
            SetDlgItemTextA(m_hWnd, id, translated.c_str());
        }
    }
}

void CSELECTSQLDlg::TakeOverControls() {
    const std::array<std::pair<CButtonST*, std::pair<int, int>>, 4> buttons{{
        {&addButton, {res::IDC_ADD, res::IDI_PLUS}},
        {&removeButton, {res::IDC_REMOVE, res::IDI_MINUS}},
        {&upButton, {res::IDC_UP, res::IDI_UP}},
        {&downButton, {res::IDC_DOWN, res::IDI_DOWN}},
    }};
    for (const auto& [button, ids] : buttons) {
        button->SubclassDlgItem(static_cast<UINT>(ids.first), this);
        button->SetIcon(ids.second, 0);
    }
    tableCombo.SubclassDlgItem(res::IDC_TABLE, this);
}

void CSELECTSQLDlg::FillChoiceLists() {
    Fill(andOrChoices, qvsql::andOrChoices);
    const std::string opening = tablecatalog::OpeningTable(tableMap, CurrentTable());
    tableColumns = tablecatalog::Columns(tableMap, opening);
    FillColumnList();
    Fill(operatorChoices, qvsql::operatorChoices);
    Fill(sortChoices, qvsql::sortChoices);
}

void CSELECTSQLDlg::FillColumnList() {
    columnList.ResetContent();
    columnList.AddString("*");
    for (const std::string& column : tableColumns) {
        columnList.AddString(column.c_str());
    }
    snapshotKeeper.ColumnsFilled(columnList, tableColumns);
}

// Selects the table whose columns were listed, so the two always agree.
void CSELECTSQLDlg::FillTableCombo() {
    tableCombo.ResetContent();
    for (const std::string& name : tablecatalog::SortedNames(tableMap)) {
        tableCombo.AddString(name.c_str());
    }
    const std::string opening = tablecatalog::OpeningTable(tableMap, CurrentTable());
    tableCombo.SetCurSel(opening.empty() ? -1 : tableCombo.FindStringExact(-1, opening.c_str()));
}

// ---- the two switches

void CSELECTSQLDlg::EnableGroup(int switchId, std::initializer_list<CWnd*> controls) {
    const BOOL on = IsDlgButtonChecked(m_hWnd, switchId) == BST_CHECKED;
    for (CWnd* control : controls) {
        control->EnableWindow(on);
    }
}

void CSELECTSQLDlg::OnWhereSwitch() {
    EnableGroup(res::IDC_WHERE_ENABLE, {&whereGrid, &addButton, &removeButton});
    ComposeStatement();
}

void CSELECTSQLDlg::OnOrderBySwitch() {
    EnableGroup(res::IDC_ORDERBY_ENABLE, {&orderByGrid, &upButton, &downButton});
    ComposeStatement();
}

// ---- closing and keys

void CSELECTSQLDlg::OnOK() {
    if (ComposeStatement()) {
        CDialog::OnOK();
        return;
    }
    AfxMessageBox(errorText, MB_OK);
}

void CSELECTSQLDlg::OnCancel() {
    CDialog::OnCancel();
}

BOOL CSELECTSQLDlg::PreTranslateMessage(MSG* msg) {
    if (msg && m_hWnd && IsDialogKey(*msg) &&
        (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

HBRUSH CSELECTSQLDlg::OnCtlColor(CDC* dc, CWnd* wnd, UINT kind) {
    HBRUSH brush = CDialog::OnCtlColor(dc, wnd, kind);
    const int id = wnd ? wnd->GetDlgCtrlID() : 0;
    if (dc && IsBlueLabel(id)) {
        dc->SetTextColor(labelBlue);
    } else if (dc && id == res::IDC_PREVIEW) {
        dc->SetBkColor(previewWhite);
        brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    }
    return brush;
}

// ---- the engine

BOOL CSELECTSQLDlg::ComposeStatement() {
    if (!ready || composeHeld) {
        return TRUE;
    }
    qvsql::ComposeResult composed = qvsql::ComposeStatement(snapshotKeeper.Gather(*this));
    lastWpClause = std::move(composed.lastWpClause);
    errorText = std::move(composed.errorText);
    if (!composed.result) {
        return FALSE;
    }
    sqlText = std::move(composed.sqlText);
    SetDlgItemTextA(m_hWnd, res::IDC_PREVIEW, sqlText.c_str());
    return TRUE;
}

BOOL CSELECTSQLDlg::ParseStatement() {
    qvsql::ReadBackInput input;
    input.sqlText = sqlText;
    input.grouping = Grouping();
    input.tableColumns = tableColumns;
    input.whereEnabled = IsDlgButtonChecked(m_hWnd, res::IDC_WHERE_ENABLE) == BST_CHECKED;
    input.orderByEnabled = IsDlgButtonChecked(m_hWnd, res::IDC_ORDERBY_ENABLE) == BST_CHECKED;
    const qvsql::ReadBack found = qvsql::ReadBackStatement(input);
    for (int item : found.checkedItems) {
        columnList.SetCheck(item, 1);
    }
    for (const qvsql::WhereRowCall& row : found.whereRows) {
        AddWhereRow(row.connector, row.field, row.op, row.value.c_str());
    }
    if (!found.sortRows.empty()) {
        orderByGrid.SetRedraw(FALSE);
        for (const qvsql::SortRowCheck& sort : found.sortRows) {
            orderByGrid.SetCheckState(sort.row, COrderByListCtrl::checkColumn, 1);
            EnableDropDownCell(orderByGrid, sort.row, COrderByListCtrl::directionColumn, true,
                               sort.direction);
            if (sort.direction > 0 && sort.direction < static_cast<int>(sortChoices.size())) {
                orderByGrid.SetItemText(sort.row, COrderByListCtrl::directionColumn,
                                        sortChoices[static_cast<std::size_t>(sort.direction)]);
            }
        }
        orderByGrid.SetRedraw(TRUE);
    }
    return found.split ? TRUE : FALSE;
}

BOOL CSELECTSQLDlg::AddWhereRow(int andOr, int field, int op, const char* value) {
    whereGrid.AddRow({andOrChoices, tableColumns, operatorChoices}, andOr, field, op, value);
    return TRUE;
}

void CSELECTSQLDlg::EnableDropDownCell(CXListCtrl& grid, int row, int column, bool enable,
                                       int choice) {
    gridcells::EnableDropDownCell(grid, row, column, enable, choice);
}

int CSELECTSQLDlg::GetInitialChoice(const CXListCtrl& grid, int row, int column) const {
    return gridcells::GetInitialChoice(grid, row, column);
}

// ---- When Printed values

void CSELECTSQLDlg::AcceptWhenPrinted(int clause, const char* keyword, const std::string& value) {
    const auto index = static_cast<std::size_t>(clause);
    lastWpText = value;
    lastWpClause = keyword;
    wpValues[index] = value;
    wpFlags[index] = true;
}

// ---- column list and table

// Looks at the last item, not the one that changed: while a When Printed column is ticked
// every change asks for the value again.
void CSELECTSQLDlg::OnColumnCheckChange() {
    const int selected = columnList.GetCurSel();
    const int last = columnList.GetCount() - 1;
    std::string lastText;
    columnList.GetText(last, lastText);
    if (last >= 0 && whenprinted::IsPseudoName(lastText) && columnList.GetCheck(last)) {
        std::vector<std::string> names(static_cast<std::size_t>(last + 1));
        for (int i = 0; i <= last; ++i) {
            columnList.GetText(i, names[static_cast<std::size_t>(i)]);
        }
        const auto value = whenprinted::Ask(names);
        if (!value) {
            wpFlags[qvsql::clauseSelect] = false;
            return;
        }
        AcceptWhenPrinted(qvsql::clauseSelect, "SELECT", *value);
    } else {
        wpFlags[qvsql::clauseSelect] = false;
    }
    if (selected == 0) {
        for (int i = 1; i <= last; ++i) {
            columnList.SetCheck(i, 0);
        }
    } else {
        columnList.SetCheck(0, 0);
    }
    ComposeStatement();
}

void CSELECTSQLDlg::OnTableChange() {
    const std::string name = dialogsnapshot::ShownTable(*this);
    if (moduleSettings) {
        moduleSettings->currentTable = name;
    }
    tableColumns = tablecatalog::Columns(tableMap, name);
    columnList.SetRedraw(FALSE);
    FillColumnList();
    columnList.SetCheck(0, 1);
    columnList.SetRedraw(TRUE);
    columnList.Invalidate();
    whereGrid.DeleteAllItems();
    orderByGrid.FillRows(tableColumns, sortChoices);
    if (!whenprinted::IsPseudoName(name)) {
        wpFlags[qvsql::clauseFrom] = false;
        ComposeStatement();
        return;
    }
    const auto value = whenprinted::Ask(tablecatalog::Names(tableMap));
    if (!value) {
        wpFlags[qvsql::clauseFrom] = false;
        return;
    }
    AcceptWhenPrinted(qvsql::clauseFrom, "FROM", *value);
    ComposeStatement();
}

// ---- WHERE grid

void CSELECTSQLDlg::OnAddRow() {
    AddWhereRow(-1, -1, -1, nullptr);
    ComposeStatement();
}

void CSELECTSQLDlg::OnRemoveRow() {
    if (whereGrid.RemoveSelectedRow()) {
        ComposeStatement();
    }
}

void CSELECTSQLDlg::OnWhereDoubleClick(NMHDR* header, LRESULT*) {
    const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(header);
    if (activate && activate->iSubItem == CWhereListCtrl::valueColumn) {
        whereGrid.EditValue(activate->iItem);
    }
}

void CSELECTSQLDlg::OnWhereKeyDown(NMHDR* header, LRESULT*) {
    const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(header);
    if (key && key->wVKey == VK_F2) {
        whereGrid.EditValue(whereGrid.GetCurSel());
    }
}

// Answered with 0: the grid has stored the text itself.
void CSELECTSQLDlg::OnWhereEndLabelEdit(NMHDR* header, LRESULT* result) {
    if (header) {
        whereGrid.StoreEditedValue(*reinterpret_cast<const NMLVDISPINFOA*>(header));
    }
    if (result) {
        *result = 0;
    }
}

void CSELECTSQLDlg::OnWhereItemChanged(NMHDR*, LRESULT*) {
    ComposeStatement();
}

LRESULT CSELECTSQLDlg::OnComboSelection(WPARAM, LPARAM) {
    ComposeStatement();
    return 0;
}

// ---- ORDER BY grid

// Only the ORDER BY grid has check boxes. The prompt opens unless the first row was the
// selected one before the click (the click selects its row only afterwards).
LRESULT CSELECTSQLDlg::OnCheckboxClicked(WPARAM row, LPARAM) {
    const int r = static_cast<int>(row);
    const int state = orderByGrid.ApplyCheck(r);
    const std::string field = orderByGrid.GetItemText(r, COrderByListCtrl::fieldColumn);
    if (state > 0 && whenprinted::IsPseudoName(field) && orderByGrid.GetCurSel() != 0) {
        const auto value = whenprinted::Ask(orderByGrid.FieldNames());
        if (!value) {
            wpFlags[qvsql::clauseOrderBy] = false;
            return 0;
        }
        AcceptWhenPrinted(qvsql::clauseOrderBy, "ORDER BY", *value);
    } else {
        wpFlags[qvsql::clauseOrderBy] = false;
    }
    ComposeStatement();
    return 0;
}

void CSELECTSQLDlg::MoveSortRow(int step) {
    if (orderByGrid.MoveSelectedRow(step) == COrderByListCtrl::Move::done) {
        ComposeStatement();
    }
}

void CSELECTSQLDlg::OnMoveUp() {
    MoveSortRow(-1);
}

void CSELECTSQLDlg::OnMoveDown() {
    MoveSortRow(1);
}
