#pragma once
// The query builder: the user composes one SELECT statement for one table while a preview
// shows it. The query state lives in the controls and in the members below; the statement
// engine composes from a snapshot of them and reads a handed-in statement back into them.
#include "controls/CButtonST.h"
#include "controls/CComboBoxFlexW.h"
#include "dialog/CExCheckListBox.h"
#include "dialog/COrderByListCtrl.h"
#include "dialog/CWhereListCtrl.h"
#include "dialog/DialogSnapshot.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/CMapStringToString.h"
#include "sql/GroupingChars.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct NMHDR;

namespace qvsql {
class ModuleSettings;
}

class CSELECTSQLDlg : public CDialog {
  public:
    explicit CSELECTSQLDlg(CWnd* parent = nullptr);
    ~CSELECTSQLDlg() override;

    // What a host drives a dialog of its own with.
    virtual const char* GetSQL() const;
    // Null stands for no statement.
    virtual void SetSQL(const char* text);
    // Columns: every name followed by a tab. Replaces an earlier entry; FALSE for null.
    virtual BOOL SetTableAndColumns(const char* table, const char* columns);
    // Value: schema name, tab, the table's name in the schema. FALSE for null.
    virtual BOOL SetSchemaTable(const char* key, const char* value);

    // The module state the dialog reads and writes (the current table, the quoting characters,
    // the language); it must outlive the dialog. Without one the dialog opens on the first
    // table, quotes with "[]", keeps its English texts and remembers no table.
    void UseModuleSettings(qvsql::ModuleSettings* settings);
    qvsql::GroupingChars Grouping() const;

    // IDOK or IDCANCEL, run with the library's own templates and icons.
    INT_PTR DoModal() override;
    // Return and Escape never close the dialog.
    BOOL PreTranslateMessage(MSG* msg) override;

    // TRUE when sqlText and the preview now hold the statement; FALSE with errorText set.
    BOOL ComposeStatement();
    // Reads sqlText into the controls; answers whether the statement had a known shape.
    BOOL ParseStatement();
    // Appends a WHERE row; negative indexes take the defaults, a null value is empty.
    BOOL AddWhereRow(int andOr, int field, int op, const char* value);
    void EnableDropDownCell(CXListCtrl& grid, int row, int column, bool enable, int choice);
    int GetInitialChoice(const CXListCtrl& grid, int row, int column) const;

    // The query state. Clause indexes: 0 SELECT, 1 FROM, 2 WHERE (unused), 3 ORDER BY.
    std::string lastWpText;
    std::string lastWpClause;
    std::array<std::string, 4> wpValues;
    std::array<bool, 4> wpFlags{};
    CExCheckListBox columnList;
    COrderByListCtrl orderByGrid;
    CWhereListCtrl whereGrid;
    CButtonST addButton;
    CButtonST removeButton;
    CButtonST upButton;
    CButtonST downButton;
    CComboBoxFlexW tableCombo;
    std::string sqlText;
    std::string errorText;
    std::vector<std::string> andOrChoices;
    std::vector<std::string> tableColumns;
    std::vector<std::string> operatorChoices;
    std::vector<std::string> sortChoices;
    CMapStringToString tableMap;
    CMapStringToString schemaMap;
    bool ready = false;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnWhereSwitch();
    void OnOrderBySwitch();
    void OnColumnCheckChange();
    void OnTableChange();
    void OnAddRow();
    void OnRemoveRow();
    void OnMoveUp();
    void OnMoveDown();
    void OnWhereDoubleClick(NMHDR* header, LRESULT* result);
    void OnWhereKeyDown(NMHDR* header, LRESULT* result);
    void OnWhereEndLabelEdit(NMHDR* header, LRESULT* result);
    void OnWhereItemChanged(NMHDR* header, LRESULT* result);
    LRESULT OnCheckboxClicked(WPARAM row, LPARAM column);
    LRESULT OnComboSelection(WPARAM row, LPARAM column);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);

    DECLARE_MESSAGE_MAP()

  private:
    std::string Translate(std::string_view section, std::string_view text) const;
    std::string CurrentTable() const;
    void TranslateTexts();
    void TakeOverControls();
    void FillChoiceLists();
    void FillColumnList();
    void FillTableCombo();
    void EnableGroup(int switchId, std::initializer_list<CWnd*> controls);
    void MoveSortRow(int step);
    void AcceptWhenPrinted(int clause, const char* keyword, const std::string& value);

    // Every opening fills its controls before the handed-in statement is read back; nothing
    // is composed meanwhile, so the statement read back is the one the host handed in.
    bool composeHeld = false;
    qvsql::ModuleSettings* moduleSettings = nullptr;
    dialogsnapshot::Keeper snapshotKeeper;
};
