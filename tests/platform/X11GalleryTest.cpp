// The gallery on a real X server: a click and keys made by XTest reach the dialog.
#include "platform/backend/X11Backend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/GalleryTemplate.h"
#include "tests/platform/XServer.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <functional>
#include <utility>
#include <vector>

namespace x11test {
namespace {

constexpr DWORD WaitLimitMs = 3000;
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

class X11Gallery : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string& name = XServer::Name();
        auto made = name.empty() ? nullptr : backend::X11Backend::Open(name.c_str());
        if (!made) {
            GTEST_SKIP() << "no X server";
        }
        display = made.get();
        win::SetBackend(std::move(made));
        peer = XOpenDisplay(name.c_str());
        ASSERT_NE(peer, nullptr);
        int event = 0, error = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(peer, &event, &error, &major, &minor)) {
            GTEST_SKIP() << "the X server has no XTest";
        }
        ctl::RegisterBuiltinControls();
        commands.clear();
        dialog = CreateDialogIndirectParamA(nullptr, &gallery::Template(), nullptr, Recording, 0);
        ASSERT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
        ASSERT_TRUE(Until([&] { return Viewable(); }));
    }

    void TearDown() override {
        if (IsWindow(dialog)) {
            DestroyWindow(dialog);
        }
        win::SetBackend(nullptr);
        if (peer) {
            XCloseDisplay(peer);
        }
    }

    // Pumps both sides on the real clock until done, for a few seconds at most.
    bool Until(const std::function<bool()>& done) {
        XSync(peer, False);
        const DWORD end = display->Now() + WaitLimitMs;
        win::PumpMessages();
        while (!done()) {
            if (static_cast<std::int32_t>(end - display->Now()) <= 0) {
                return false;
            }
            display->WaitForInput(display->Now() + 10);
            win::PumpMessages();
            XSync(peer, False);
        }
        return true;
    }

    bool Viewable() {
        XWindowAttributes a{};
        return XGetWindowAttributes(peer, display->NativeWindow(dialog), &a) &&
               a.map_state == IsViewable;
    }

    bool Commanded(int id, int code) const {
        for (const auto& c : commands) {
            if (c.first == id && c.second == code) {
                return true;
            }
        }
        return false;
    }

    void Tap(KeySym keysym) {
        const KeyCode code = XKeysymToKeycode(peer, keysym);
        XTestFakeKeyEvent(peer, code, True, CurrentTime);
        XTestFakeKeyEvent(peer, code, False, CurrentTime);
    }

    backend::X11Backend* display = nullptr;
    Display* peer = nullptr;
    HWND dialog = nullptr;
};

TEST_F(X11Gallery, ARealClickOnOkArrivesAsItsCommand) {
    HWND ok = GetDlgItem(dialog, IDOK);
    RECT r{};
    GetClientRect(ok, &r);
    POINT centre{r.right / 2, r.bottom / 2};
    ClientToScreen(ok, &centre);
    XTestFakeMotionEvent(peer, -1, centre.x, centre.y, CurrentTime);
    XTestFakeButtonEvent(peer, 1, True, CurrentTime);
    XTestFakeButtonEvent(peer, 1, False, CurrentTime);
    ASSERT_TRUE(Until([&] { return Commanded(IDOK, BN_CLICKED); }));
    EXPECT_FALSE(Commanded(IDCANCEL, BN_CLICKED));
}

TEST_F(X11Gallery, TabThenEnterEndsTheModalLoopWithOk) {
    XSetInputFocus(peer, display->NativeWindow(dialog), RevertToPointerRoot, CurrentTime);
    ASSERT_TRUE(Until([&] { return IsChild(dialog, GetFocus()); }));
    ASSERT_EQ(GetDlgCtrlID(GetFocus()), gallery::TableCombo);
    Tap(XK_Tab);
    Tap(XK_Return);
    XSync(peer, False);
    SetTimer(dialog, GiveUpTimer, WaitLimitMs, nullptr);
    EXPECT_EQ(win::RunModalDialog(dialog, true), IDOK);
    EXPECT_TRUE(Commanded(IDOK, BN_CLICKED));
    EXPECT_EQ(focusAtOk, gallery::ColumnChecks) << "Tab moved on before Enter";
}

} // namespace
} // namespace x11test
