// The dialog manager: building from templates, focus, dialog keys, modal runs, resources.
#include "tests/platform/DialogFixture.h"

#include "platform/gfx/Gdi.h"
#include "platform/win/DialogNavigator.h"
#include "platform/win/Resources.h"

#include <climits>
#include <cstring>

namespace wintest {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

class Dialogs : public DialogFixture {
  protected:
    std::vector<int> ChildIds(HWND dialog) {
        std::vector<int> ids;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            ids.push_back(GetDlgCtrlID(c));
        }
        return ids;
    }
    RECT InDialog(HWND dialog, int id) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog, id), &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // A modal run as the framework makes one: created hidden, dialog keys taken by the
    // pre-translate hook for the active dialog, destroyed afterwards.
    INT_PTR DoModal(const DialogTemplate& tpl, HWND owner = nullptr, LPARAM param = 0) {
        const HWND dialog = CreateDialogIndirectParamA(nullptr, &tpl, owner, Proc, param);
        win::SetPreTranslateHook(
            [](MSG& m) { return IsDialogMessageA(GetActiveWindow(), &m) != FALSE; });
        const INT_PTR result = win::RunModalDialog(dialog);
        DestroyWindow(dialog);
        return result;
    }
};

TEST_F(Dialogs, DialogUnitsComeFromTheTemplateFont) {
    HWND d = Modeless(Template({Ctl(10, WS_TABSTOP, 10, 20), Ctl(11, 0, 50, 40)}));
    ASSERT_TRUE(d);
    LOGFONTA lf;
    lf.lfHeight = -MulDiv(8, 96, 72);
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&lf);
    const SIZE u = gfx::DialogBaseUnits(font);
    DeleteObject(font);
    ASSERT_GT(u.cx, 0);
    EXPECT_EQ(lf.lfHeight, -11);

    RECT client;
    GetClientRect(d, &client);
    EXPECT_EQ(client.right, MulDiv(200, u.cx, 4));
    EXPECT_EQ(client.bottom, MulDiv(100, u.cy, 8));
    const RECT r = InDialog(d, 11);
    EXPECT_EQ(r.left, MulDiv(50, u.cx, 4));
    EXPECT_EQ(r.top, MulDiv(40, u.cy, 8));
    EXPECT_EQ(r.right - r.left, MulDiv(40, u.cx, 4));
    EXPECT_EQ(r.bottom - r.top, MulDiv(12, u.cy, 8));

    LOGFONTA got;
    ASSERT_TRUE(GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(d, WM_GETFONT, 0, 0)),
                           sizeof(got), &got));
    EXPECT_EQ(got.lfHeight, -11);
    EXPECT_STREQ(got.lfFaceName, "MS Sans Serif");
    EXPECT_THAT(trail, Contains("10:font"));
    EXPECT_THAT(trail, Contains("11:font"));

    trail.clear();
    DialogTemplate plain = Template({Ctl(12, 0, 40, 16)});
    plain.style &= ~DS_SETFONT;
    HWND p = Modeless(plain);
    const SIZE system = gfx::DialogBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    EXPECT_EQ(InDialog(p, 12).left, MulDiv(40, system.cx, 4));
    EXPECT_EQ(InDialog(p, 12).top, MulDiv(16, system.cy, 8));
    EXPECT_THAT(trail, Not(Contains("12:font"))) << "the system font is never sent";
}

TEST_F(Dialogs, ControlsAreMadeInTemplateOrderWhichIsTheTabOrder) {
    DialogItemTemplate hidden = Ctl(6, WS_TABSTOP);
    hidden.style &= ~WS_VISIBLE;
    HWND d = Modeless(Template({Ctl(5, WS_TABSTOP), Ctl(-1, 0), Ctl(-1, 0), Ctl(3, WS_TABSTOP),
                                Ctl(4, WS_TABSTOP | WS_DISABLED), hidden, Ctl(7, WS_TABSTOP)}));
    ASSERT_TRUE(d);
    EXPECT_THAT(ChildIds(d), ElementsAre(5, -1, -1, 3, 4, 6, 7));
    auto next = [d](int from, bool back) {
        return GetDlgCtrlID(win::DialogNavigator::NextTabItem(d, GetDlgItem(d, from), back));
    };
    EXPECT_EQ(next(0, false), 5);
    EXPECT_EQ(next(0, true), 7);
    EXPECT_EQ(next(5, false), 3);
    EXPECT_EQ(next(3, false), 7) << "disabled and hidden controls are skipped";
    EXPECT_EQ(next(7, false), 5) << "wraps";
    EXPECT_EQ(next(5, true), 7);

    const auto before = win::TopLevelWindows().size();
    DialogTemplate broken =
        Template({Ctl(1, 0), {2, "NoSuchClass", "", WS_VISIBLE, 0, 0, 0, 9, 9}});
    EXPECT_EQ(Modeless(broken), nullptr);
    EXPECT_EQ(win::TopLevelWindows().size(), before) << "nothing is left behind";
    broken.style |= DS_NOFAILCREATE;
    HWND tolerant = Modeless(broken);
    ASSERT_TRUE(tolerant);
    EXPECT_THAT(ChildIds(tolerant), ElementsAre(1));
}

TEST_F(Dialogs, InitDialogGetsTheFocusControlAndTrueFocusesIt) {
    codes[2] = DLGC_HASSETSEL | DLGC_WANTCHARS;
    HWND owner = Popup("O", {100, 100, 700, 500});
    HWND d =
        Modeless(Template({Ctl(1, 0), Ctl(2, WS_TABSTOP), Ctl(3, WS_TABSTOP)}, WS_VISIBLE), owner);
    ASSERT_TRUE(d);
    EXPECT_EQ(reinterpret_cast<HWND>(initFocus), GetDlgItem(d, 2));
    EXPECT_EQ(initParam, 77);
    EXPECT_EQ(FocusId(), 2);
    EXPECT_THAT(trail, Contains("2:selectall"));
    EXPECT_TRUE(IsWindowVisible(d));
    RECT r;
    GetWindowRect(d, &r);
    EXPECT_NEAR((r.left + r.right) / 2.0, 400, 1) << "centred over the owner";
    EXPECT_NEAR((r.top + r.bottom) / 2.0, 300, 1);

    initAnswer = FALSE;
    onInit = [](HWND dialog) { SetFocus(GetDlgItem(dialog, 3)); };
    HWND own = Modeless(Template({Ctl(1, 0), Ctl(2, WS_TABSTOP), Ctl(3, WS_TABSTOP)}));
    EXPECT_EQ(FocusId(), 3) << "FALSE keeps the focus the procedure chose";
    EXPECT_FALSE(IsWindowVisible(own)) << "shown only when the template says WS_VISIBLE";

    initAnswer = TRUE;
    onInit = nullptr;
    Modeless(Template({Ctl(1, WS_DISABLED), Ctl(2, 0), Ctl(3, 0)}));
    EXPECT_EQ(FocusId(), 2) << "without tab stops: the first enabled visible control";
}

TEST_F(Dialogs, TabShiftTabAndArrowsInsideGroups) {
    HWND d =
        Modeless(Template({Ctl(1, WS_TABSTOP | WS_GROUP), Ctl(2, 0), Ctl(3, WS_DISABLED), Ctl(4, 0),
                           Ctl(5, WS_TABSTOP | WS_GROUP), Ctl(6, WS_TABSTOP | WS_GROUP)},
                          WS_VISIBLE));
    ASSERT_EQ(FocusId(), 1);
    trail.clear();
    std::vector<int> seen;
    auto press = [&](std::initializer_list<UINT> keys, bool shift = false) {
        for (UINT vk : keys) {
            shift ? display->Chord({VK_SHIFT}, vk) : display->Key(vk);
            PumpThrough(d);
            seen.push_back(FocusId());
        }
    };
    press({VK_TAB, VK_TAB, VK_TAB});
    press({VK_TAB, VK_TAB}, true);
    EXPECT_THAT(seen, ElementsAre(5, 6, 1, 6, 5));
    seen.clear();
    press({VK_TAB, VK_TAB, VK_DOWN, VK_RIGHT, VK_DOWN, VK_UP, VK_LEFT});
    EXPECT_THAT(seen, ElementsAre(6, 1, 2, 4, 1, 4, 2)) << "the disabled 3 is skipped";
    EXPECT_EQ(win::DialogNavigator::NextGroupItem(d, GetDlgItem(d, 5), false), GetDlgItem(d, 5))
        << "alone";
    std::erase_if(trail, [](const std::string& s) { return s.ends_with(":key16"); }); // Shift
    EXPECT_THAT(trail, ElementsAre()) << "the dialog kept every Tab and arrow";

    HWND inner = Child("inner", GetDlgItem(d, 1), {0, 0, 5, 5});
    SetFocus(inner);
    display->Key(VK_TAB);
    PumpThrough(d);
    EXPECT_EQ(FocusId(), 5) << "a window inside a control tabs as that control";
}

INT_PTR AnsweringProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
    if (msg == WM_USER) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1234);
        return TRUE;
    }
    return msg == WM_USER + 1 ? 99 : FALSE;
}

TEST_F(Dialogs, TheProcedureAnswersThroughMsgResult) {
    const DialogTemplate tpl = Template({});
    HWND d = CreateDialogIndirectParamA(nullptr, &tpl, nullptr, AnsweringProc, 0);
    ASSERT_TRUE(d);
    EXPECT_EQ(GetWindowLongPtrA(d, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(&AnsweringProc));
    EXPECT_EQ(SendMessageA(d, WM_USER, 0, 0), 1234);
    EXPECT_EQ(SendMessageA(d, WM_USER + 1, 0, 0), 0) << "handled without setting a result";
    SetWindowLongPtrA(d, DWLP_USER, 55);
    EXPECT_EQ(GetWindowLongPtrA(d, DWLP_USER), 55);
    char cls[16];
    GetClassNameA(d, cls, sizeof(cls));
    EXPECT_STREQ(cls, "#32770");
}

TEST_F(Dialogs, ControlsKeepTheKeysTheirDialogCodeAsksFor) {
    HWND d = Modeless(Template({Ctl(1, WS_TABSTOP), Ctl(2, WS_TABSTOP)}, WS_VISIBLE));
    ASSERT_EQ(FocusId(), 1);
    const std::vector<std::pair<LRESULT, UINT>> cases = {{DLGC_WANTTAB, VK_TAB},
                                                         {DLGC_WANTARROWS, VK_DOWN},
                                                         {DLGC_WANTALLKEYS, VK_RETURN},
                                                         {DLGC_WANTMESSAGE, VK_ESCAPE}};
    for (const auto& [code, vk] : cases) {
        codes[1] = code;
        trail.clear();
        display->Key(vk);
        PumpThrough(d);
        ASSERT_FALSE(trail.empty());
        EXPECT_EQ(trail.front(), "1:key" + std::to_string(vk)) << "then its character, if any";
        EXPECT_EQ(FocusId(), 1);
    }
    EXPECT_TRUE(commands.empty());
    codes[1] = 0;
    trail.clear();
    display->TypeText("a");
    PumpThrough(d);
    EXPECT_TRUE(trail.empty()) << "characters only for controls that want them";
    codes[1] = DLGC_WANTCHARS;
    display->TypeText("a");
    PumpThrough(d);
    EXPECT_THAT(trail, ElementsAre("1:char97"));
}

TEST_F(Dialogs, EnterPressesTheDefaultOrTheFocusedButtonAndEscapeCancels) {
    HWND d =
        Modeless(Template({Ctl(10, WS_TABSTOP), Button(IDOK, BS_DEFPUSHBUTTON),
                           Button(IDCANCEL, BS_PUSHBUTTON, 100, 40), Button(20, BS_PUSHBUTTON)},
                          WS_VISIBLE));
    ASSERT_EQ(FocusId(), 10);
    auto keys = [&](std::initializer_list<UINT> vks) {
        for (UINT vk : vks) {
            display->Key(vk);
            PumpThrough(d);
        }
    };
    keys({VK_RETURN, VK_ESCAPE});
    EXPECT_THAT(commands, ElementsAre(IDOK, IDCANCEL));
    commands.clear();
    trail.clear();
    keys({VK_TAB, VK_RETURN, VK_TAB, VK_RETURN});
    EXPECT_THAT(commands, ElementsAre(IDOK, IDCANCEL));
    EXPECT_THAT(trail, ElementsAre("1:undef", "2:def")) << "a focused push button shows as default";
    trail.clear();
    keys({VK_TAB, VK_TAB});
    EXPECT_THAT(trail, ElementsAre("2:undef", "20:def", "20:undef", "1:def"));

    trail.clear();
    EXPECT_TRUE(SendMessageA(d, DM_SETDEFID, 20, 0));
    EXPECT_EQ(SendMessageA(d, DM_GETDEFID, 0, 0), MAKELPARAM(20, DC_HASDEFID));
    EXPECT_THAT(trail, ElementsAre("1:undef", "20:def"));
    commands.clear();
    keys({VK_RETURN});
    EnableWindow(GetDlgItem(d, 20), FALSE);
    keys({VK_RETURN});
    EXPECT_THAT(commands, ElementsAre(20)) << "a disabled default button is not pressed";

    trail.clear();
    RECT r;
    GetWindowRect(GetDlgItem(d, IDCANCEL), &r);
    display->Click(r.left + 3, r.top + 3);
    PumpThrough(d);
    EXPECT_EQ(FocusId(), IDCANCEL);
    EXPECT_THAT(trail, ElementsAre("20:undef", "2:def")) << "a click moves the default look too";
}

TEST_F(Dialogs, CloseBoxAndAltF4AskForCancel) {
    HWND d = Modeless(Template({Ctl(1, WS_TABSTOP), Button(IDCANCEL, 0)}, WS_VISIBLE));
    RECT r;
    GetWindowRect(d, &r);
    display->Click(r.right - 10, r.top + 7);
    PumpThrough(d);
    display->Chord({VK_MENU}, VK_F4);
    PumpThrough(d);
    EXPECT_THAT(commands, ElementsAre(IDCANCEL, IDCANCEL));
    EXPECT_TRUE(IsWindow(d)) << "only the procedure ends a dialog";
    EnableWindow(GetDlgItem(d, IDCANCEL), FALSE);
    SendMessageA(d, WM_CLOSE, 0, 0);
    PumpThrough(d);
    EXPECT_EQ(commands.size(), 2u) << "no Cancel while the Cancel button is disabled";
}

// A modal run shows the hidden dialog, takes its keys through the pre-translate hook and
// returns what EndDialog was given; the caller destroys it.
TEST_F(Dialogs, AModalRunShowsTheDialogAndReturnsTheEndDialogResult) {
    endOnCommand = true;
    const DialogTemplate tpl = Template({Ctl(1, WS_TABSTOP)});
    HWND d = Modeless(tpl);
    ASSERT_FALSE(IsWindowVisible(d));
    bool shown = false;
    int steps = 0;
    display->SetScript([&](backend::HeadlessBackend& b) {
        shown = IsWindowVisible(d) != FALSE;
        b.Key(VK_ESCAPE);
        return ++steps < 3;
    });
    PumpThrough(d);
    EXPECT_EQ(win::RunModalDialog(d), IDCANCEL);
    EXPECT_THAT(commands, ElementsAre(IDCANCEL)) << "Escape went through the hook";
    EXPECT_TRUE(shown);
    EXPECT_TRUE(IsWindow(d)) << "the caller destroys it";
    EXPECT_EQ(win::RunModalDialog(d), IDCANCEL) << "ended already: no second loop";

    display->SetScript(nullptr);
    EXPECT_EQ(DoModal(tpl, nullptr, 5), IDCANCEL) << "no input can ever come";
    EXPECT_EQ(initParam, 5);
    steps = 0;
    display->SetScript([&](backend::HeadlessBackend&) { return ++steps < 5; });
    onInit = [](HWND dialog) { EndDialog(dialog, 42); };
    EXPECT_EQ(DoModal(tpl), 42);
    EXPECT_EQ(steps, 0) << "ended before its loop began";
    EXPECT_EQ(win::RunModalDialog(Popup("P", {0, 0, 9, 9})), -1) << "not a dialog";
}

// An inner dialog disables its owners, and a click on the outer one does nothing meanwhile;
// once it ends, the outer dialog's focus, its owner and the activation come back.
TEST_F(Dialogs, NestedModalDialogsDisableTheirOwnersThenRestoreFocusAndActivation) {
    HWND app = Popup("App", {0, 0, 800, 600});
    const DialogTemplate outerTpl =
        Template({Ctl(10, WS_TABSTOP), Ctl(11, WS_TABSTOP), Button(12, BS_PUSHBUTTON, 0, 80)});
    DialogTemplate innerTpl = Template({Ctl(30, WS_TABSTOP)});
    innerTpl.cx = 60; // centred over the outer dialog, clear of its button
    innerTpl.cy = 40;
    HWND outer = nullptr;
    INT_PTR innerResult = 0;
    int focusAfterInner = 0;
    bool ownersEnabledInside = true;
    onInit = [&](HWND dialog) { outer = outer ? outer : dialog; };
    onCommand = [&](HWND dialog, int id) {
        if (dialog == outer && id == IDOK) {
            innerResult = DoModal(innerTpl, dialog);
            focusAfterInner = FocusId();
        } else {
            EndDialog(dialog, id);
        }
    };
    int step = 0;
    display->SetScript([&](backend::HeadlessBackend& b) {
        if (step == 0) {
            b.Key(VK_TAB); // outer: 10 -> 11
            b.Key(VK_RETURN);
        } else if (step == 1) {
            ownersEnabledInside = IsWindowEnabled(app) || IsWindowEnabled(outer);
            RECT r{};
            GetWindowRect(GetDlgItem(outer, 12), &r);
            b.Click(r.left + 3, r.top + 3); // on the disabled outer dialog: nothing
            b.Key(VK_ESCAPE);               // ends the inner dialog
        } else if (step == 2) {
            b.Key(VK_ESCAPE);
        }
        return step++ < 3;
    });
    EXPECT_EQ(DoModal(outerTpl, app), IDCANCEL);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_FALSE(ownersEnabledInside);
    EXPECT_EQ(focusAfterInner, 11) << "the outer dialog's focus came back";
    EXPECT_TRUE(IsWindowEnabled(app));
    EXPECT_EQ(GetActiveWindow(), app) << "the owner is reactivated";
}

TEST_F(Dialogs, ResourcesAreFoundByModuleAndId) {
    auto& res = win::Resources::Get();
    const HMODULE lib = res.RegisterModule("QvTest.dll");
    EXPECT_EQ(res.RegisterModule("qvtest.DLL"), lib);
    EXPECT_NE(lib, win::Resources::ProgramModule());

    {
        const std::string title = "Kept title";
        DialogTemplate tpl = Template({Ctl(1, WS_TABSTOP)});
        tpl.title = title.c_str();
        EXPECT_TRUE(res.AddDialog(lib, 1000, tpl));
        EXPECT_FALSE(res.AddDialog(lib, 0, tpl));
        EXPECT_FALSE(res.AddDialog(reinterpret_cast<HMODULE>(0x1234), 1000, tpl));
    }
    ASSERT_NE(res.Dialog(lib, 1000), nullptr);
    EXPECT_STREQ(res.Dialog(lib, 1000)->title, "Kept title") << "the template was copied";
    EXPECT_EQ(res.Dialog(lib, 999), nullptr);
    EXPECT_EQ(res.ModuleHolding(1000, RT_DIALOG, nullptr), lib);

    const std::vector<COLORREF> big(32 * 32, RGB(255, 0, 0));
    const std::vector<COLORREF> small(16 * 16, RGB(0, 0, 255));
    HICON icon32 = CreateIconFromPixels(32, 32, big.data(), nullptr);
    HICON icon16 = CreateIconFromPixels(16, 16, small.data(), nullptr);
    EXPECT_TRUE(res.AddIcon(lib, 1005, icon16));
    EXPECT_TRUE(res.AddIcon(lib, 1005, icon32));
    EXPECT_FALSE(res.AddIcon(lib, 70000, icon32));
    EXPECT_FALSE(res.AddIcon(lib, 1006, nullptr));
    EXPECT_EQ(LoadImageA(lib, MAKEINTRESOURCEA(1005), IMAGE_ICON, 0, 0, LR_SHARED), icon32);
    EXPECT_EQ(LoadImageA(lib, MAKEINTRESOURCEA(1005), IMAGE_ICON, 16, 16, LR_SHARED), icon16);
    auto* copy = static_cast<HICON>(LoadImageA(lib, MAKEINTRESOURCEA(1005), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, icon16) << "without LR_SHARED the caller gets its own copy";
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(copy, &info));
    BITMAP bm;
    GetObjectA(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_TRUE(DestroyIcon(copy));
    EXPECT_EQ(res.ModuleHolding(1005, RT_GROUP_ICON, nullptr), lib);
    EXPECT_EQ(LoadImageA(nullptr, MAKEINTRESOURCEA(1005), IMAGE_ICON, 0, 0, LR_SHARED), nullptr);
    EXPECT_EQ(LoadImageA(lib, MAKEINTRESOURCEA(1007), IMAGE_ICON, 0, 0, LR_SHARED), nullptr);
    EXPECT_EQ(LoadImageA(lib, MAKEINTRESOURCEA(1005), IMAGE_BITMAP, 0, 0, 0), nullptr);
}

TEST_F(Dialogs, ItemHelpersAndStaleHandles) {
    HWND d = Modeless(Template({Ctl(1, WS_TABSTOP), Button(2, BS_AUTOCHECKBOX)}));
    char buf[8] = "x";
    EXPECT_TRUE(SetDlgItemTextA(d, 1, "0123456789"));
    EXPECT_EQ(GetDlgItemTextA(d, 1, buf, sizeof(buf)), 7u);
    EXPECT_STREQ(buf, "0123456");
    EXPECT_TRUE(CheckDlgButton(d, 2, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(d, 2), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(d, 2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));

    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(-8, 96, 72), -11);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, 1), -1);

    DestroyWindow(d);
    MSG msg;
    msg.hwnd = d;
    EXPECT_FALSE(EndDialog(d, IDOK));
    EXPECT_FALSE(IsDialogMessageA(d, &msg));
    EXPECT_EQ(GetDlgItemTextA(d, 1, buf, sizeof(buf)), 0u);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(GetDlgItemTextA(d, 1, nullptr, 5), 0u);
    EXPECT_FALSE(SetDlgItemTextA(d, 1, "x"));
    EXPECT_FALSE(CheckDlgButton(d, 2, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(d, 2), 0u);
    EXPECT_EQ(DefDlgProcA(d, DM_GETDEFID, 0, 0), 0);
    EXPECT_EQ(CreateDialogIndirectParamA(nullptr, nullptr, nullptr, Proc, 0), nullptr);
    const DialogTemplate tpl = Template({});
    EXPECT_EQ(CreateDialogIndirectParamA(nullptr, &tpl, d, Proc, 0), nullptr) << "stale owner";
    const std::string huge(100000, 'T');
    DialogTemplate big = Template({{1, "DlgTestCtl", huge.c_str(), WS_VISIBLE, 0, -5, -5, -9, 0}});
    big.title = huge.c_str();
    big.pointSize = 1 << 30;
    EXPECT_NE(CreateDialogIndirectParamA(nullptr, &big, nullptr, nullptr, 0), nullptr);
}

TEST_F(Dialogs, TheBackgroundIsTheDialogColourRequestsBrush) {
    auto clientPixel = [](HWND d) {
        POINT p{5, 5};
        ClientToScreen(d, &p);
        RECT w;
        GetWindowRect(d, &w);
        return win::WindowSurface(d)->ColorAt(p.x - w.left, p.y - w.top);
    };
    HWND plain = Modeless(Template({}, WS_VISIBLE));
    display->Pump();
    EXPECT_EQ(clientPixel(plain), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SendMessageA(plain, WM_CTLCOLORDLG, 0, 0),
              reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    dialogBrush = CreateSolidBrush(RGB(255, 0, 0));
    HWND red = Modeless(Template({}, WS_VISIBLE));
    display->Pump();
    EXPECT_EQ(clientPixel(red), RGB(255, 0, 0));
    DestroyWindow(red);
    DeleteObject(dialogBrush);
}

} // namespace
} // namespace wintest
