// The gallery on a real X server: a click and keys made by XTest reach the dialog.
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/GalleryTemplate.h"
#include "tests/platform/X11Fixture.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

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
};

TEST_F(X11Gallery, ARealClickOnOkArrivesAsItsCommand) {
    HWND ok = GetDlgItem(dialog, IDOK);
    RECT r{};
    GetClientRect(ok, &r);
    POINT centre{r.right / 2, r.bottom / 2};
    ClientToScreen(ok, &centre);
    XTestFakeMotionEvent(peer, -1, centre.x, centre.y, CurrentTime);
    Click(1);
    ASSERT_TRUE(Until([&] { return Commanded(IDOK, BN_CLICKED); }));
    EXPECT_FALSE(Commanded(IDCANCEL, BN_CLICKED));
}

TEST_F(X11Gallery, TabThenEnterEndsTheModalLoopWithOk) {
    XSetInputFocus(peer, Native(dialog), RevertToPointerRoot, CurrentTime);
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
