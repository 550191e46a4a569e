// The player against a dialog made from a template: clicks on check boxes, list entries,
// combo entries and grid cells through the real input path, expectations, nested message
// boxes, and failures that stop the script.
#include "tests/platform/ModalTemplate.h"
#include "tests/platform/WinFixture.h"
#include "tests/support/TempDir.h"

#include "automation/ScriptParser.h"
#include "automation/ScriptPlayer.h"
#include "controls/CXListCtrl.h"
#include "platform/afx/AfxWin.h"
#include "platform/base/CommCtrl.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/ctl/MessageBoxApi.h"
#include "platform/win/Resources.h"
#include "platform/win/WinDialogs.h"

#include <filesystem>
#include <fstream>

namespace {

CWinApp theApp;

constexpr int TemplateId = 411;
constexpr int PreviewId = 1003;
constexpr int ColumnsId = 1005;
constexpr int TableId = 1007;
constexpr int GridId = 1008;
constexpr int WarnId = 1020;

DialogTemplate Template() {
    constexpr DWORD tab = WS_TABSTOP | WS_VISIBLE;
    return wintest::ModalTemplate(
        "Script Test", 260, 150,
        {{PreviewId, "edit", "", ES_MULTILINE | ES_READONLY | WS_BORDER | tab, 0, 7, 7, 100, 30},
         {ColumnsId, "listbox", "",
          LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
              WS_BORDER | tab,
          0, 7, 40, 80, 30},
         {TableId, "combobox", "", CBS_DROPDOWNLIST | WS_VSCROLL | tab, 0, 7, 75, 100, 60},
         {GridId, WC_LISTVIEWA, "",
          LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | tab, 0, 115, 7, 140, 80},
         {WarnId, "button", "Warn", BS_PUSHBUTTON | tab, 0, 115, 95, 50, 14},
         {IDOK, "button", "OK", BS_DEFPUSHBUTTON | tab, 0, 200, 110, 50, 14},
         {IDCANCEL, "button", "Cancel", BS_PUSHBUTTON | tab, 0, 200, 128, 50, 14}});
}

class TestDialog : public CDialog {
  public:
    TestDialog() : CDialog(TemplateId) {}
    CCheckListBox columns;
    CXListCtrl grid;

  protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, ColumnsId, columns);
        DDX_Control(dx, GridId, grid);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemTextA(m_hWnd, PreviewId, "SELECT * FROM T ");
        for (const char* name : {"*", "ID", "Name", "City", "Zip", "Phone", "Mail", "Notes"}) {
            columns.AddString(name);
        }
        for (const char* name : {"Gamma", "Alpha", "Beta"}) {
            SendDlgItemMessageA(m_hWnd, TableId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        }
        grid.InsertColumn(0, "Check", LVCFMT_LEFT, 40);
        grid.InsertColumn(1, "Field", LVCFMT_LEFT, 90);
        for (int row = 0; row < 3; ++row) {
            grid.InsertItem(row, "");
            grid.SetItemText(row, 1, row == 0 ? "ID" : row == 1 ? "Name" : "City");
            grid.SetCheckState(row, 0, 0);
        }
        return TRUE;
    }
    void OnWarn() { MessageBoxA(m_hWnd, "Careful now", "Warning", MB_OK); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
ON_BN_CLICKED(WarnId, &TestDialog::OnWarn)
END_MESSAGE_MAP()

class ScriptPlayerTest : public wintest::WinFixture {
  protected:
    void SetUp() override {
        WinFixture::SetUp();
        ctl::RegisterBuiltinControls();
        win::Resources::Get().AddDialog(win::Resources::ProgramModule(), TemplateId, Template());
        AfxSetResourceHandle(nullptr);
    }
    // Plays the script into a new dialog; its result.
    INT_PTR Play(const std::string& text) {
        const qvsql::ParsedScript parsed = qvsql::ParseScript(text);
        EXPECT_EQ(parsed.errorLine, 0) << parsed.error;
        auto player = std::make_shared<qvsql::ScriptPlayer>(
            parsed.commands, [this](const std::string& message) { failures.push_back(message); });
        display->SetScript([player](backend::HeadlessBackend& d) { return player->Step(d); });
        return dialog.DoModal();
    }
    TestDialog dialog;
    std::vector<std::string> failures;
};

TEST_F(ScriptPlayerTest, ClicksReachCheckBoxesEntriesAndCells) {
    const INT_PTR result = Play("expect title \"Script Test\"\n"
                                "expect preview \"SELECT * FROM T \"\n"
                                "check 1005 2\n"
                                "check 1005 7\n" // below the fold: scrolled into view first
                                "item 1005 3\n"
                                "choose 1007 \"Beta\"\n"
                                "cell 1008 1 0\n"
                                "cell 1008 2 0\n"
                                "wait 1000\n" // not a double click
                                "cell 1008 2 0\n"
                                "expect checked 1005 2 1\n"
                                "expect checked 1005 7 1\n"
                                "expect checked 1005 3 0\n"
                                "expect text 1007 \"Beta\"\n"
                                "expect checked 1008 1 1\n"
                                "expect checked 1008 2 0\n"
                                "expect cell 1008 1 1 \"Name\"\n"
                                "click 1\n");
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(dialog.columns.GetCheck(2), 1);
    EXPECT_EQ(dialog.columns.GetCheck(7), 1);
}

TEST_F(ScriptPlayerTest, NestedMessageBoxTakesTheNextVerbs) {
    const INT_PTR result = Play("click 1020\n"
                                "expect title \"Warning\"\n"
                                "expect message \"Careful now\"\n"
                                "key RETURN\n"
                                "expect preview \"SELECT * FROM T \"\n"
                                "click 1020\n"); // the script ends inside the box
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(failures.empty()) << failures.front();
}

TEST_F(ScriptPlayerTest, AFailureNamesItsLineAndStopsTheScript) {
    const INT_PTR result = Play("wait 10\n"
                                "expect preview \"SELECT a\\tb\"\n"
                                "click 1\n");
    EXPECT_EQ(result, IDCANCEL) << "nothing after the failed line plays";
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0],
              "script:2: expected text of 1003 \"SELECT a\\tb\", found \"SELECT * FROM T \"");
}

TEST_F(ScriptPlayerTest, MissingTargetsFail) {
    const std::pair<const char*, const char*> cases[] = {
        {"click 4711", "script:1: no control 4711 in the active window"},
        {"choose 1007 \"Delta\"", "script:1: no entry \"Delta\" in combo box 1007"},
        {"check 1005 99", "script:1: no item 99 in list box 1005"},
        {"cell 1008 3 0", "script:1: no cell 3 0 in list 1008"},
        {"pick \"Name\"", "script:1: no grid drop-down is open"},
        {"expect message \"x\"", "script:1: expected message \"x\", found window \"Script Test\""},
        {"expect checked 1003 0 1",
         "script:1: expected item 0 of 1003 checked 1, found no such check box"},
        {"screenshot /nonexistent/dir/x.png", "script:1: cannot write /nonexistent/dir/x.png"},
    };
    for (const auto& [text, message] : cases) {
        failures.clear();
        EXPECT_EQ(Play(text), IDCANCEL) << text;
        EXPECT_EQ(failures, std::vector<std::string>{message}) << text;
    }
}

TEST_F(ScriptPlayerTest, ScreenshotMakesANewFileAndNeverOverwritesOrFollowsALink) {
    namespace fs = std::filesystem;
    const qvsql::test::TempDir temp;
    const fs::path& dir = temp.Path();
    const auto fresh = dir / "new.png";
    Play("screenshot " + fresh.string());
    EXPECT_TRUE(failures.empty());
    EXPECT_GT(fs::file_size(fresh), 100u);

    const auto victim = dir / "victim.txt";
    std::ofstream(victim) << "keep";
    fs::create_symlink(victim, dir / "link.png");
    for (const fs::path& taken : {fresh, dir / "link.png"}) {
        failures.clear();
        const auto before = fs::file_size(fresh);
        EXPECT_EQ(Play("screenshot " + taken.string()), IDCANCEL);
        EXPECT_EQ(failures, std::vector<std::string>{"script:1: cannot write " + taken.string()});
        EXPECT_EQ(fs::file_size(fresh), before);
    }
    EXPECT_EQ(fs::file_size(victim), 4u);
}

} // namespace
