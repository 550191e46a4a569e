// Dialogs run modally through the framework: data exchange, dialog keys, the check list and
// owner-drawn buttons, fed by a script on the headless backend.
#include "tests/platform/ModalScript.h"
#include "tests/platform/ModalTemplate.h"
#include "tests/platform/WinFixture.h"

#include "platform/afx/AfxWin.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/Resources.h"
#include "platform/win/WinDialogs.h"

namespace {

CWinApp theApp;

using ::testing::ElementsAre;
using wintest::Centre;
using wintest::Step;

constexpr int TemplateId = 310;
constexpr int EditId = 1005;
constexpr int ComboId = 1011;
constexpr int ListId = 1008;
constexpr int DrawnId = 1020;

std::vector<std::string> trail;

class LoggingCheckList : public CCheckListBox {
  protected:
    void PreSubclassWindow() override {
        trail.push_back("subclass list");
        CCheckListBox::PreSubclassWindow();
    }
};

class DrawnButton : public CButton {
  public:
    int draws = 0;
    UINT lastType = 0;
    void DrawItem(DRAWITEMSTRUCT* item) override {
        ++draws;
        lastType = item->CtlType;
    }
};

class TestDialog : public CDialog {
  public:
    TestDialog() : CDialog(TemplateId) {}
    std::string name = "hello";
    std::string category = "BE";
    LoggingCheckList list;
    CComboBox combo;
    DrawnButton drawn;
    bool eatKeys = false;
    std::vector<HWND> scrolledBy;

    BOOL PreTranslateMessage(MSG* msg) override {
        const bool dialogKey = msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE;
        if (eatKeys && msg->message == WM_KEYDOWN && dialogKey) {
            trail.push_back("eaten");
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }

  protected:
    void DoDataExchange(CDataExchange* dx) override {
        trail.push_back(dx->m_bSaveAndValidate ? "save" : "load");
        DDX_Control(dx, ListId, list);
        DDX_Control(dx, DrawnId, drawn);
        DDX_Control(dx, ComboId, combo);
        DDX_Text(dx, EditId, name);
        DDX_CBString(dx, ComboId, category);
    }
    BOOL OnInitDialog() override {
        trail.push_back("init");
        for (const char* entry : {"Alpha", "beta", "Gamma"}) {
            SendDlgItemMessageA(m_hWnd, ComboId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
        CDialog::OnInitDialog();
        for (const char* entry : {"one", "two", "three"}) {
            list.AddString(entry);
        }
        drawn.SetButtonStyle(BS_OWNERDRAW);
        trail.push_back("init done");
        return TRUE;
    }
    void OnOK() override {
        trail.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override {
        trail.push_back("cancel");
        CDialog::OnCancel();
    }
    void OnSelChange() { trail.push_back("selchange " + std::to_string(list.GetCurSel())); }
    void OnCheckChange() {
        const int sel = list.GetCurSel();
        trail.push_back("check " + std::to_string(sel) + ":" + std::to_string(list.GetCheck(sel)));
    }
    void OnVScroll(UINT, UINT, CScrollBar* bar) {
        scrolledBy.push_back(bar ? bar->m_hWnd : nullptr);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
ON_LBN_SELCHANGE(ListId, &TestDialog::OnSelChange)
ON_CLBN_CHKCHANGE(ListId, &TestDialog::OnCheckChange)
ON_WM_VSCROLL()
END_MESSAGE_MAP()

DialogTemplate Template() {
    constexpr DWORD tab = WS_TABSTOP | WS_VISIBLE;
    return wintest::ModalTemplate(
        "Test", 180, 110,
        {{EditId, "edit", "", ES_AUTOHSCROLL | WS_BORDER | tab, 0, 7, 7, 100, 14},
         {ComboId, "combobox", "", CBS_DROPDOWNLIST | WS_VSCROLL | tab, 0, 7, 25, 100, 60},
         {ListId, "listbox", "", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_BORDER | tab,
          0, 7, 45, 100, 50},
         {DrawnId, "button", "Drawn", BS_PUSHBUTTON | tab, 0, 115, 45, 50, 14},
         {IDOK, "button", "OK", BS_DEFPUSHBUTTON | tab, 0, 115, 7, 50, 14},
         {IDCANCEL, "button", "Cancel", BS_PUSHBUTTON | tab, 0, 115, 25, 50, 14}});
}

class AfxDialogTest : public wintest::WinFixture {
  protected:
    void SetUp() override {
        WinFixture::SetUp();
        ctl::RegisterBuiltinControls();
        win::Resources::Get().AddDialog(win::Resources::ProgramModule(), TemplateId, Template());
        AfxSetResourceHandle(nullptr);
        trail.clear();
    }
    // Plays the steps in order, one per turn of the loop; then no more input comes.
    void Script(std::vector<Step> steps) { display->SetScript(wintest::Steps(std::move(steps))); }
    void Press(TestDialog& dlg, int id) { display->Click(Centre(GetDlgItem(dlg.m_hWnd, id))); }
    std::vector<std::string> TakeTrail() { return std::exchange(trail, {}); }
};

TEST_F(AfxDialogTest, InitialisesLoadsAndSavesThroughDataExchange) {
    TestDialog dlg;
    std::string editInside;
    int comboInside = -2;
    int itemHeight = 0;
    Script({[&](auto&) {
                editInside = dlg.GetDlgItem(EditId)->GetWindowText();
                comboInside =
                    static_cast<int>(SendDlgItemMessageA(dlg, ComboId, CB_GETCURSEL, 0, 0));
                itemHeight = dlg.list.GetItemHeight(0);
                SetDlgItemTextA(dlg, EditId, "changed");
                SendDlgItemMessageA(dlg, ComboId, CB_SETCURSEL, 2, 0);
            },
            [&](auto&) { Press(dlg, IDOK); }});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_THAT(TakeTrail(),
                ElementsAre("init", "load", "subclass list", "init done", "ok", "save"));
    EXPECT_EQ(editInside, "hello");
    EXPECT_EQ(comboInside, 1); // "BE" picks "beta" by prefix, any case
    EXPECT_GE(itemHeight, CCheckListBox::BoxSize + 2);
    EXPECT_EQ(dlg.name, "changed");
    EXPECT_EQ(dlg.category, "Gamma");
    // The window is gone, the object and its members stay.
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.list.m_hWnd, nullptr);
}

TEST_F(AfxDialogTest, ReturnEscapeAndTheCloseBoxEndTheDialogUnlessEaten) {
    TestDialog dlg;
    Script({[&](auto&) { SetDlgItemTextA(dlg, EditId, "typed"); },
            [&](auto& d) { d.Key(VK_RETURN); }});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.name, "typed");
    Script({[&](auto& d) {
        SetDlgItemTextA(dlg, EditId, "lost");
        d.Key(VK_ESCAPE);
    }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.name, "typed") << "a cancel saves nothing";
    EXPECT_EQ(TakeTrail().back(), "cancel");
    Script({[&](auto&) { PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0); }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(TakeTrail().back(), "cancel");

    dlg.eatKeys = true;
    bool openAfterKeys = false;
    Script({[&](auto& d) {
                d.Key(VK_RETURN);
                d.Key(VK_ESCAPE);
            },
            [&](auto&) {
                openAfterKeys = IsWindowVisible(dlg) != FALSE;
                Press(dlg, IDOK);
            }});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(openAfterKeys);
    EXPECT_THAT(TakeTrail(), ElementsAre("init", "load", "subclass list", "init done", "eaten",
                                         "eaten", "ok", "save"));
}

TEST_F(AfxDialogTest, CheckListSelectsThenTogglesAndNotifies) {
    TestDialog dlg;
    std::vector<std::vector<std::string>> seen;
    std::vector<int> checks;
    auto record = [&] {
        seen.push_back(TakeTrail());
        checks.push_back(dlg.list.GetCheck(0) | dlg.list.GetCheck(1) << 1 |
                         dlg.list.GetCheck(2) << 2);
    };
    auto click = [&](int index, bool onBox) {
        return [&, index, onBox](backend::HeadlessBackend& d) {
            record();
            d.Click(
                wintest::ItemPoint(dlg.list, index, onBox ? 5 : 60)); // box or well into the text
        };
    };
    Script({click(1, true), click(2, false),
            [&](auto& d) {
                record();
                d.Key(VK_SPACE);
            },
            [&](auto& d) {
                record();
                d.DoubleClick(wintest::ItemPoint(dlg.list, 0));
            },
            [&](auto&) {
                record();
                dlg.list.SetCheck(1, 1); // already ticked: nothing to repaint
                EXPECT_FALSE(::GetUpdateRect(dlg.list.m_hWnd, nullptr, FALSE));
                dlg.list.SetCheck(0, 1); // never notifies
                dlg.list.SetCheck(-1, 1);
                dlg.list.SetCheck(99, 1);
                record();
                EXPECT_EQ(dlg.list.GetCheck(99), 0);
                EXPECT_EQ(dlg.list.GetCheck(-1), 0);
                dlg.list.DeleteString(0); // the checks follow their items
                record();
            }});
    dlg.DoModal();
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_THAT(seen[1], ElementsAre("selchange 1", "check 1:1"));
    EXPECT_THAT(seen[2], ElementsAre("selchange 2"));
    EXPECT_THAT(seen[3], ElementsAre("check 2:1"));
    EXPECT_THAT(seen[4], ElementsAre("selchange 0", "check 0:1", "check 0:0"));
    EXPECT_TRUE(seen[5].empty());
    EXPECT_THAT(checks, ElementsAre(0, 0b010, 0b010, 0b110, 0b110, 0b111, 0b011));
}

// Past the 16-bit index a click on a box ticks that entry, not the one 65,536 before it.
TEST_F(AfxDialogTest, CheckListOfSeventyThousandTicksTheBoxClicked) {
    constexpr int Entries = 70000;
    constexpr int Picked = 65536;
    HWND parent = Popup("P", {10, 10, 300, 300});
    HWND box = CreateWindowExA(0, "ListBox", "",
                               WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                   LBS_NOINTEGRALHEIGHT,
                               5, 5, 200, 200, parent, nullptr, nullptr, nullptr);
    CCheckListBox checks;
    ASSERT_TRUE(checks.SubclassWindow(box));
    checks.SetRedraw(FALSE);
    for (int i = 0; i < Entries; ++i) {
        checks.AddString(("c" + std::to_string(i)).c_str());
    }
    checks.SetRedraw(TRUE);
    checks.SetTopIndex(Picked - 1);
    RECT item{};
    ASSERT_NE(checks.GetItemRect(Picked, &item), LB_ERR);
    POINT p{item.left + 5, (item.top + item.bottom) / 2};
    ClientToScreen(box, &p);
    display->Click(p.x, p.y);
    display->Pump();
    EXPECT_EQ(checks.GetCheck(Picked), 1);
    EXPECT_EQ(checks.GetCheck(0), 0);
    EXPECT_EQ(checks.GetCurSel(), Picked);
    DestroyWindow(parent);
}

TEST_F(AfxDialogTest, OwnerDrawnButtonPaintsThroughReflection) {
    TestDialog dlg;
    int drawsInside = 0;
    Script({[&](auto&) {
        dlg.drawn.Invalidate();
        dlg.drawn.UpdateWindow();
        drawsInside = dlg.drawn.draws;
    }});
    dlg.DoModal();
    EXPECT_GT(drawsInside, 0);
    EXPECT_EQ(dlg.drawn.lastType, ODT_BUTTON);
    EXPECT_EQ(dlg.drawn.GetButtonStyle(), 0u); // detached with the window
}

TEST_F(AfxDialogTest, ComboExchangeFallsBackToTextAndEmptySelection) {
    TestDialog dlg;
    dlg.category = "delta";
    std::string shown;
    std::string saved = "x";
    int selection = 0;
    Script({[&](auto&) {
        shown = dlg.GetDlgItem(ComboId)->GetWindowText();
        selection = static_cast<int>(SendDlgItemMessageA(dlg, ComboId, CB_GETCURSEL, 0, 0));
        CDataExchange dx(&dlg, true);
        DDX_CBString(&dx, ComboId, saved);
        DDX_CBString(&dx, 4242, saved);
        DDX_CBString(nullptr, ComboId, saved);
        EXPECT_TRUE(dx.m_bFailed);
    }});
    dlg.DoModal();
    EXPECT_EQ(shown, ""); // a drop-down list shows only entries
    EXPECT_EQ(selection, CB_ERR);
    EXPECT_EQ(saved, "");
}

TEST_F(AfxDialogTest, TemplateLookupAndMissingTemplate) {
    CDialog missing(4711);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(missing.m_hWnd, nullptr);

    // A library module without the template: the program's is used.
    HMODULE library = win::Resources::Get().RegisterModule("afxdialogtest.dll");
    AfxSetResourceHandle(library);
    TestDialog dlg;
    display->SetScript(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);

    // The library's own template wins under its handle.
    DialogTemplate small = Template();
    small.title = "Library";
    win::Resources::Get().AddDialog(library, TemplateId, small);
    std::string title;
    Script({[&](auto&) { title = dlg.GetWindowText(); }});
    dlg.DoModal();
    EXPECT_EQ(title, "Library");
    AfxSetResourceHandle(nullptr);
}

TEST_F(AfxDialogTest, WrappersTolerateBadInput) {
    TestDialog dlg;
    Script({[&](auto&) {
        CListBox& list = dlg.list;
        std::string text = "x";
        list.GetText(42, text);
        EXPECT_EQ(text, "");
        list.GetText(1, text);
        EXPECT_EQ(text, "two");
        EXPECT_EQ(list.AddString(nullptr), 3);
        EXPECT_EQ(list.GetItemRect(0, nullptr), LB_ERR);
        RECT item{};
        list.GetItemRect(1, &item);
        BOOL outside = TRUE;
        EXPECT_EQ(list.ItemFromPoint(CPoint(item.left + 2, item.top + 1), outside), 1u);
        EXPECT_FALSE(outside);
        dlg.combo.GetLBText(-5, text);
        EXPECT_EQ(text, "");
        EXPECT_EQ(dlg.combo.FindStringExact(-1, "GAMMA"), 2);
        EXPECT_FALSE(dlg.combo.GetComboBoxInfo(nullptr));
        CEdit edit;
        edit.ReplaceSel(nullptr); // no window: nothing happens
        CScrollBar bar;
        EXPECT_FALSE(bar.GetScrollInfo(nullptr));
        CToolTipCtrl tip;
        EXPECT_FALSE(tip.AddTool(nullptr));
        tip.RelayEvent(nullptr);
        // The window's own bar comes as null, a control as a wrapper of its handle.
        dlg.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        dlg.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(list.m_hWnd));
    }});
    dlg.DoModal();
    ASSERT_EQ(dlg.scrolledBy.size(), 2u);
    EXPECT_EQ(dlg.scrolledBy[0], nullptr);
    EXPECT_NE(dlg.scrolledBy[1], nullptr);
}

} // namespace
