// A dialog of real built-in controls, driven through the real input path.
#include "tests/platform/DialogFixture.h"

#include "platform/ctl/BuiltinControls.h"

namespace wintest {
namespace {

class DialogControls : public DialogFixture {};

TEST_F(DialogControls, TypingTabbingAndEnterInADialogOfBuiltinControls) {
    ctl::RegisterBuiltinControls();
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const DialogTemplate tpl = Template({
        {-1, "Static", "Name", child | SS_LEFT, 0, 7, 9, 30, 8},
        {100, "Edit", "", child | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 40, 7, 100, 14},
        {IDOK, "Button", "OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 40, 60, 50, 14},
        {IDCANCEL, "Button", "Cancel", child | WS_TABSTOP, 0, 100, 60, 50, 14},
    });
    std::string typed;
    onCommand = [&](HWND dialog, int id) {
        if (id == IDOK || id == IDCANCEL) {
            char buf[32];
            GetDlgItemTextA(dialog, 100, buf, sizeof(buf));
            typed = buf;
            EndDialog(dialog, id);
        }
    };
    HWND dialog = nullptr;
    onInit = [&](HWND d) { dialog = d; };
    auto type = [&](int id) {
        return GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_STYLE) & BS_TYPEMASK;
    };
    std::vector<LONG_PTR> okLook, cancelLook;
    bool fontShared = false;
    int step = 0;
    display->SetScript([&](backend::HeadlessBackend& b) {
        okLook.push_back(type(IDOK));
        cancelLook.push_back(type(IDCANCEL));
        switch (step++) {
        case 0:
            fontShared = SendMessageA(GetDlgItem(dialog, 100), WM_GETFONT, 0, 0) ==
                         SendMessageA(dialog, WM_GETFONT, 0, 0);
            b.TypeText("abc");
            b.Key(VK_TAB);
            b.Key(VK_TAB);
            return true;
        case 1:
            b.KeyDown(VK_SHIFT);
            b.Key(VK_TAB);
            b.Key(VK_TAB);
            b.KeyUp(VK_SHIFT);
            return true;
        case 2:
            b.Key(VK_RETURN);
            return true;
        default:
            return false;
        }
    });
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &tpl, nullptr, Proc, 0), IDOK);
    EXPECT_EQ(typed, "abc");
    EXPECT_TRUE(fontShared);
    const LONG_PTR def = BS_DEFPUSHBUTTON;
    const LONG_PTR push = BS_PUSHBUTTON;
    EXPECT_EQ(okLook, (std::vector<LONG_PTR>{def, push, def})) << "Cancel focused, then the edit";
    EXPECT_EQ(cancelLook, (std::vector<LONG_PTR>{push, def, push}));
}

} // namespace
} // namespace wintest
