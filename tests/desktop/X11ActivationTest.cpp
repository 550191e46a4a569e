// Another X client takes the keyboard, or the window manager moves the dialog: the platform
// tells the windows what Win32 would (deactivation, focus loss, cancelled modes), so an open
// list closes by its own rules, and popups sink with their owner instead of floating over
// the other application; they come back up when the keyboard returns.
#include <gtest/gtest.h>

#include "platform/base/WinControls.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/X11Fixture.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <vector>

namespace x11test {
namespace {

class Activation : public X11Fixture {
  protected:
    void SetUp() override {
        X11Fixture::SetUp();
        ctl::RegisterBuiltinControls();
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "ActivationTop";
        RegisterClassA(&wc);
    }
    // Position of the window among the root's children, bottom first; -1 if absent.
    long StackIndex(::Window w) {
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        XQueryTree(peer, DefaultRootWindow(peer), &root, &parent, &children, &count);
        std::vector<::Window> order(children, children + count);
        if (children)
            XFree(children);
        const auto it = std::find(order.begin(), order.end(), w);
        return it == order.end() ? -1 : it - order.begin();
    }
    bool Dropped(HWND combo) { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    void Drop(HWND combo) {
        SetFocus(combo);
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        ASSERT_TRUE(Until([&] { return Dropped(combo); }));
    }
};

// A window manager's move of a framed window: a synthetic ConfigureNotify in root coordinates.
void SendManagerMove(Display* d, ::Window w, int x, int y, int width, int height) {
    XEvent e{};
    e.xconfigure.type = ConfigureNotify;
    e.xconfigure.event = e.xconfigure.window = w;
    e.xconfigure.x = x;
    e.xconfigure.y = y;
    e.xconfigure.width = width;
    e.xconfigure.height = height;
    XSendEvent(d, w, False, StructureNotifyMask, &e);
}

TEST_F(Activation, AnotherClientOrAManagerMoveClosesTheListAndSinksPopups) {
    const HWND top = CreateWindowExA(WS_EX_DLGMODALFRAME, "ActivationTop", "Host dialog",
                                     WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 300, 200,
                                     nullptr, nullptr, nullptr, nullptr);
    const HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                       10, 10, 150, 120, top, nullptr, nullptr, nullptr);
    for (const char* entry : {"Alpha", "Beta", "Gamma"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    const HWND popup = CreateWindowExA(0, "ActivationTop", "", WS_POPUP | WS_BORDER | WS_VISIBLE,
                                       120, 150, 80, 60, top, nullptr, nullptr, nullptr);
    ASSERT_TRUE(Until([&] { return Viewable(top); }));
    ASSERT_TRUE(Until([&] { return Viewable(popup); }));
    XSetInputFocus(peer, Native(top), RevertToParent, CurrentTime);
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == top; }));
    Drop(combo);

    const ::Window other =
        XCreateSimpleWindow(peer, DefaultRootWindow(peer), 0, 0, 500, 500, 0, 0, 0);
    XMapWindow(peer, other);
    XSync(peer, False);
    XSetInputFocus(peer, other, RevertToParent, CurrentTime);
    EXPECT_TRUE(Until([&] { return !Dropped(combo) && GetActiveWindow() == nullptr; }));
    EXPECT_TRUE(Until([&] { return StackIndex(Native(popup)) == StackIndex(Native(top)) + 1; }));
    EXPECT_GT(StackIndex(other), StackIndex(Native(popup)));

    XSetInputFocus(peer, Native(top), RevertToParent, CurrentTime);
    EXPECT_TRUE(Until([&] { return StackIndex(Native(popup)) > StackIndex(other); }));
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == top; }));

    // A manager's move arrives as a synthetic ConfigureNotify in root coordinates.
    Drop(combo);
    SendManagerMove(peer, Native(top), 40, 60, 300, 200);
    EXPECT_TRUE(Until([&] {
        RECT r{};
        GetWindowRect(top, &r);
        return r.left == 40 && r.top == 60 && r.right == 340 && !Dropped(combo);
    }));

    // A popup of ours holds the activation, as the grid's drop-down does: it is the one
    // deactivated when the keyboard leaves.
    SetActiveWindow(popup);
    ASSERT_EQ(GetActiveWindow(), popup);
    XSetInputFocus(peer, other, RevertToParent, CurrentTime);
    EXPECT_TRUE(Until([&] { return GetActiveWindow() == nullptr; }));
    XDestroyWindow(peer, other);
}

} // namespace
} // namespace x11test
