// The gallery on a real X server: a click and keys made by XTest reach the dialog.
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/GalleryTemplate.h"
#include "tests/platform/SelectionPeer.h"
#include "tests/platform/X11Fixture.h"
#include "tests/support/XServer.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <clocale>
#include <utility>
#include <vector>

namespace x11test {
namespace {

constexpr UINT_PTR GiveUpTimer = 77;

std::vector<std::pair<int, int>> commands; // (id, notification)
int focusAtOk = 0;                         // the focused control's id when IDOK came

INT_PTR Recording(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        if (LOWORD(wParam) == IDOK) {
            focusAtOk = GetDlgCtrlID(GetFocus());
        }
    }
    if (msg == WM_TIMER && wParam == GiveUpTimer) {
        EndDialog(dialog, 0); // the keys never came: end rather than hang
        return TRUE;
    }
    return gallery::Proc(dialog, msg, wParam, lParam);
}

class X11Gallery : public X11Fixture {
  protected:
    void SetUp() override {
        X11Fixture::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ctl::RegisterBuiltinControls();
        commands.clear();
        dialog = CreateDialogIndirectParamA(nullptr, &gallery::Template(), nullptr, Recording, 0);
        ASSERT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
        ASSERT_TRUE(Until([&] { return Viewable(dialog); }));
    }

    bool Commanded(int id, int code) const {
        for (const auto& c : commands) {
            if (c.first == id && c.second == code) {
                return true;
            }
        }
        return false;
    }

    HWND dialog = nullptr;

    // Gives the X keyboard to the dialog and the window system's focus to a control.
    HWND FocusOn(int id) {
        HWND control = GetDlgItem(dialog, id);
        XSetInputFocus(peer, Native(dialog), RevertToPointerRoot, CurrentTime);
        EXPECT_TRUE(Until([&] { return GetActiveWindow() == dialog; }));
        SetFocus(control);
        return control;
    }
    void Chord(KeySym key) {
        Key(XK_Control_L, true);
        Tap(key);
        Key(XK_Control_L, false);
    }
    static std::string TextOf(HWND control) {
        char text[512] = {};
        GetWindowTextA(control, text, sizeof text);
        return text;
    }
};

TEST_F(X11Gallery, TabThenEnterEndsTheModalLoopWithOk) {
    XSetInputFocus(peer, Native(dialog), RevertToPointerRoot, CurrentTime);
    ASSERT_TRUE(Until([&] { return IsChild(dialog, GetFocus()); }));
    ASSERT_EQ(GetDlgCtrlID(GetFocus()), gallery::TableCombo);
    Tap(XK_Tab);
    Tap(XK_Return);
    XSync(peer, False);
    SetTimer(dialog, GiveUpTimer, WaitLimitMs, nullptr);
    win::SetPreTranslateHook([this](MSG& m) { return IsDialogMessageA(dialog, &m) != FALSE; });
    EXPECT_EQ(win::RunModalDialog(dialog), IDOK);
    win::SetPreTranslateHook(nullptr);
    EXPECT_TRUE(Commanded(IDOK, BN_CLICKED));
    EXPECT_EQ(focusAtOk, gallery::ColumnChecks) << "Tab moved on before Enter";
}

TEST_F(X11Gallery, CopiedAndSelectedTextIsReadByAnotherApplication) {
    HWND preview = FocusOn(gallery::Preview);
    Chord(XK_a);
    Chord(XK_c);
    const Atom clipboard = XInternAtom(peer, "CLIPBOARD", False);
    ASSERT_TRUE(Until([&] { return XGetSelectionOwner(peer, clipboard) != None; }));
    std::string expected = TextOf(preview);
    ASSERT_NE(expected.find("\r\n"), std::string::npos);
    for (std::size_t at; (at = expected.find("\r\n")) != std::string::npos;) {
        expected.erase(at, 1); // other applications get LF line ends
    }
    SelectionPeer other(XServer::Name());
    ASSERT_TRUE(other.Ok());
    const auto pump = [&] {
        display->WaitForInput(display->Now() + 5);
        win::PumpMessages();
    };
    const Atom utf8 = other.Intern("UTF8_STRING");
    EXPECT_EQ(other.Convert(clipboard, utf8, pump).bytes, expected);
    EXPECT_EQ(other.Convert(XA_PRIMARY, utf8, pump).bytes, expected) << "the selection";
}

TEST_F(X11Gallery, PasteReadsWhateverTheOwnerAnswersAndGivesUpOnUselessOwners) {
    HWND filter = FocusOn(gallery::Filter);
    const Atom clipboard = XInternAtom(peer, "CLIPBOARD", False);
    std::string expected = "Country = 'Fran\xC3\xA7"
                           "e'";
    {
        SelectionPeer other(XServer::Name());
        other.Own(clipboard, SelectionPeer::Answer::Utf8, expected + "\n2");
        Chord(XK_a);
        Chord(XK_v);
        EXPECT_TRUE(Until([&] { return TextOf(filter) == expected; })) << TextOf(filter);
    }
    using Answer = SelectionPeer::Answer;
    for (const Answer useless : {Answer::Garbage, Answer::Silent, Answer::Huge}) {
        SelectionPeer owner(XServer::Name());
        owner.Own(clipboard, useless, "");
        Chord(XK_v);
        Tap(XK_x);
        expected += "x";
        EXPECT_TRUE(Until([&] { return TextOf(filter) == expected; }))
            << "the paste gave up and typing goes on: " << static_cast<int>(useless) << " "
            << TextOf(filter);
    }
    {
        SelectionPeer primary(XServer::Name());
        primary.Own(XA_PRIMARY, SelectionPeer::Answer::StringOnly,
                    " Espa\xF1"
                    "a");
        RECT r{};
        GetClientRect(filter, &r);
        POINT end{r.right - 2, r.bottom / 2};
        ClientToScreen(filter, &end);
        XTestFakeMotionEvent(peer, -1, end.x, end.y, CurrentTime);
        Click(2);
        EXPECT_TRUE(Until([&] {
            return TextOf(filter).find(" Espa\xC3\xB1"
                                       "a") != std::string::npos;
        })) << "a middle click pastes the primary selection, Latin-1 read as UTF-8: "
            << TextOf(filter);
    }
}

// A dead key and a letter compose one character through the input method.
TEST_F(X11Gallery, DeadAcuteThenEComposesEAcuteInAnEdit) {
    int low = 0;
    int high = 0;
    XDisplayKeycodes(peer, &low, &high);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(peer, static_cast<KeyCode>(low), high - low + 1, &perCode);
    int spare = 0;
    for (int code = high; code >= low && !spare && map; --code) {
        spare = map[(code - low) * perCode] == NoSymbol ? code : 0;
    }
    XFree(map);
    ASSERT_NE(spare, 0);
    KeySym dead = XK_dead_acute;
    XChangeKeyboardMapping(peer, spare, 1, &dead, 1);
    XSync(peer, False);
    HWND filter = FocusOn(gallery::Filter);
    Tap(XK_End);
    XTestFakeKeyEvent(peer, static_cast<unsigned>(spare), True, CurrentTime);
    XTestFakeKeyEvent(peer, static_cast<unsigned>(spare), False, CurrentTime);
    Tap(XK_e);
    EXPECT_TRUE(Until([&] { return TextOf(filter) == "Country = 'Germany'\xC3\xA9"; }))
        << TextOf(filter);
    KeySym none = NoSymbol;
    XChangeKeyboardMapping(peer, spare, 1, &none, 1);
    XSync(peer, False);
    EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C") << "the process's locale is left alone";
}

} // namespace
} // namespace x11test
