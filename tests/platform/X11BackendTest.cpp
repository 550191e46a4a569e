#include "platform/gfx/DisplayScale.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/X11Fixture.h"
#include "tests/support/XPeer.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <string>
#include <vector>

namespace x11test {
namespace {

constexpr std::uint32_t Red = 0xFF0000;
constexpr std::uint32_t Face = 0xC0C0C0;

struct Logged {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Logged> messages;

LRESULT Record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    messages.push_back({hwnd, msg, wParam, lParam});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class X11 : public X11Fixture {
  protected:
    void SetUp() override {
        X11Fixture::SetUp();
        RegisterClasses();
        messages.clear();
    }

    static void RegisterClasses() {
        static bool done = false;
        if (done) {
            return;
        }
        done = true;
        WNDCLASSA wc{};
        wc.lpfnWndProc = Record;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "X11Top";
        RegisterClassA(&wc);
        wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
        wc.lpszClassName = "X11Button";
        RegisterClassA(&wc);
    }

    HWND Top(const char* title = "Query", DWORD style = WS_CAPTION | WS_SYSMENU,
             HWND owner = nullptr) {
        return CreateWindowExA(0, "X11Top", title, style | WS_VISIBLE, 100, 100, 200, 150, owner,
                               nullptr, nullptr, nullptr);
    }

    HWND Button(HWND parent) {
        return CreateWindowExA(0, "X11Button", "", WS_CHILD | WS_VISIBLE, 20, 30, 80, 40, parent,
                               nullptr, nullptr, nullptr);
    }

    std::uint32_t PixelAt(HWND hwnd, int x, int y) {
        return static_cast<std::uint32_t>(ServerPixel(peer, Native(hwnd), x, y) & 0xFFFFFF);
    }

    std::vector<Logged> Of(HWND hwnd, std::initializer_list<UINT> kinds) const {
        std::vector<Logged> found;
        for (const Logged& m : messages) {
            for (UINT k : kinds) {
                if (m.hwnd == hwnd && m.msg == k) {
                    found.push_back(m);
                }
            }
        }
        return found;
    }

    bool Got(HWND hwnd, UINT msg) const { return !Of(hwnd, {msg}).empty(); }
};

TEST_F(X11, SharesMemoryOnlyForLargeWindows) {
    ASSERT_TRUE(Connect(true));
    int major = 0;
    int minor = 0;
    Bool pixmaps = False;
    if (!XShmQueryVersion(peer, &major, &minor, &pixmaps)) {
        GTEST_SKIP() << "the server shares no memory";
    }
    HWND small = Top();
    HWND large = CreateWindowExA(0, "X11Top", "Large", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 600,
                                 nullptr, nullptr, nullptr, nullptr);
    Button(large);
    ASSERT_TRUE(Until([&] { return Viewable(small) && Viewable(large); }));
    EXPECT_TRUE(Until([&] { return PixelAt(large, 30, 35) == Red; }));
    EXPECT_EQ(PixelAt(large, 999, 599), Face);
    EXPECT_TRUE(display->UsesSharedMemory(large));
    EXPECT_FALSE(display->UsesSharedMemory(small))
        << "a dialog-sized frame goes through the socket";
    DestroyWindow(large);
    DestroyWindow(small);
}

TEST_F(X11, PresentsPaintedPixelsWithAndWithoutSharedMemory) {
    for (bool shm : {true, false}) {
        ASSERT_TRUE(Connect(shm));
        HWND top = Top();
        Button(top);
        ASSERT_TRUE(Until([&] { return Viewable(top); })) << shm;
        EXPECT_TRUE(Until([&] { return PixelAt(top, 30, 35) == Red; })) << shm;
        EXPECT_EQ(PixelAt(top, 5, 5), Face) << shm;
        EXPECT_EQ(PixelAt(top, 99, 69), Red) << shm;
        EXPECT_EQ(PixelAt(top, 100, 69), Face) << shm;
        EXPECT_EQ(PixelAt(top, 99, 70), Face) << shm;
        if (!shm) {
            EXPECT_FALSE(display->UsesSharedMemory(top));
        } else {
            RecordProperty("shared_memory", display->UsesSharedMemory(top) ? "yes" : "no");
        }
        // Damaged pixels come back from the surface on Expose, without painting.
        GC gc = XCreateGC(peer, Native(top), 0, nullptr);
        XSetForeground(peer, gc, 0x000000);
        XFillRectangle(peer, Native(top), gc, 0, 0, 200, 150);
        XFreeGC(peer, gc);
        XClearArea(peer, Native(top), 0, 0, 0, 0, True);
        messages.clear();
        EXPECT_TRUE(Until([&] { return PixelAt(top, 30, 35) == Red; })) << shm;
        EXPECT_EQ(PixelAt(top, 5, 5), Face) << shm;
        EXPECT_FALSE(Got(top, WM_PAINT));
        DestroyWindow(top);
    }
}

TEST_F(X11, ClicksAndWheelReachTheWindowUnderThePointerAfterTheManagerMovedIt) {
    HWND top = Top();
    HWND button = Button(top);
    ASSERT_TRUE(Until([&] { return Viewable(top); }));
    XMoveWindow(peer, Native(top), 300, 200);
    ASSERT_TRUE(Until([&] {
        RECT r{};
        return GetWindowRect(top, &r) && r.left == 300 && r.top == 200;
    }));
    EXPECT_TRUE(Got(top, WM_MOVE));

    POINT p{10, 5};
    ClientToScreen(button, &p);
    EXPECT_EQ(p.x, 300 + 20 + 10);
    messages.clear();
    XTestFakeMotionEvent(peer, -1, p.x, p.y, CurrentTime);
    Click(1);
    Click(3);
    Click(5);
    ASSERT_TRUE(Until([&] { return Got(top, WM_MOUSEWHEEL); }));
    const auto clicks = Of(button, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP});
    ASSERT_EQ(clicks.size(), 4u);
    for (const Logged& m : clicks) {
        EXPECT_EQ(m.lParam, MAKELPARAM(10, 5)) << m.msg;
    }
    EXPECT_EQ(clicks[0].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(clicks[3].msg, static_cast<UINT>(WM_RBUTTONUP));
    EXPECT_EQ(static_cast<short>(HIWORD(Of(top, {WM_MOUSEWHEEL})[0].wParam)), -120);
}

TEST_F(X11, XftDpi192ShowsWindowsTwiceAsLargeAndClicksComeBackLogical) {
    const ::Window root = DefaultRootWindow(peer);
    const std::string resources = "Xft.antialias:\t1\nXft.dpi:\t192\n";
    XChangeProperty(peer, root, XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(resources.data()),
                    static_cast<int>(resources.size()));
    XSync(peer, False);
    const bool connected = Connect(true);
    XDeleteProperty(peer, root, XA_RESOURCE_MANAGER);
    XSync(peer, False);
    ASSERT_TRUE(connected);
    ASSERT_EQ(gfx::DisplayScale(), 2);
    HWND top = Top();
    HWND button = Button(top);
    ASSERT_TRUE(Until([&] { return Viewable(top); }));
    XWindowAttributes a{};
    XGetWindowAttributes(peer, Native(top), &a);
    EXPECT_EQ(a.width, 400);
    EXPECT_EQ(a.height, 300);
    RECT r{};
    GetWindowRect(top, &r);
    EXPECT_EQ(r.right - r.left, 200) << "windows keep their logical size";
    // The red child covers logical 20..99 x 30..69: screen pixels 40..199 x 60..139.
    EXPECT_TRUE(Until([&] { return PixelAt(top, 199, 139) == Red; }));
    EXPECT_EQ(PixelAt(top, 40, 60), Red);
    EXPECT_EQ(PixelAt(top, 200, 139), Face);
    EXPECT_EQ(PixelAt(top, 199, 140), Face);
    EXPECT_EQ(PixelAt(top, 39, 60), Face);

    POINT p{10, 5};
    ClientToScreen(button, &p);
    messages.clear();
    XTestFakeMotionEvent(peer, -1, 2 * p.x + 1, 2 * p.y + 1, CurrentTime);
    Click(1);
    ASSERT_TRUE(Until([&] { return Got(button, WM_LBUTTONUP); }));
    EXPECT_EQ(Of(button, {WM_LBUTTONDOWN})[0].lParam, MAKELPARAM(10, 5));
    DestroyWindow(top);
    gfx::SetDisplayScale(1);
}

TEST_F(X11, KeysArriveAsVirtualKeysWithEachCharacterOnce) {
    HWND top = Top();
    ASSERT_TRUE(Until([&] { return Viewable(top); }));
    XSetInputFocus(peer, Native(top), RevertToPointerRoot, CurrentTime);
    ASSERT_TRUE(Until([&] { return GetFocus() == top; }));
    messages.clear();
    Tap(XK_a);
    Key(XK_Shift_L, true);
    Tap(XK_1);
    Key(XK_Shift_L, false);
    Tap(XK_Delete);
    Tap(XK_Return);
    Tap(XK_F5);
    ASSERT_TRUE(Until([&] { return Of(top, {WM_KEYUP}).size() == 6; }));

    std::vector<WPARAM> downs;
    for (const Logged& m : Of(top, {WM_KEYDOWN})) {
        downs.push_back(m.wParam);
    }
    EXPECT_EQ(downs, (std::vector<WPARAM>{'A', VK_SHIFT, '1', VK_DELETE, VK_RETURN, VK_F1 + 4}));
    std::string chars;
    for (const Logged& m : Of(top, {WM_CHAR})) {
        chars.push_back(static_cast<char>(m.wParam));
    }
    EXPECT_EQ(chars, "a!\r");
}

TEST_F(X11, CloseRequestFromTheManagerActsAsTheCloseBox) {
    HWND top = Top();
    ASSERT_TRUE(Until([&] { return Viewable(top); }));
    const ::Window xid = Native(top);
    RequestClose(peer, xid);
    ASSERT_TRUE(Until([&] { return !IsWindow(top); }));
    const auto closing = Of(top, {WM_SYSCOMMAND, WM_CLOSE});
    ASSERT_EQ(closing.size(), 2u);
    EXPECT_EQ(closing[0].wParam, SC_CLOSE);
    EXPECT_EQ(closing[1].msg, static_cast<UINT>(WM_CLOSE));
    XWindowAttributes a{};
    EXPECT_TRUE(Until([&] { return !XGetWindowAttributes(peer, xid, &a); }));
}

TEST_F(X11, FramedWindowsTellTheManagerWhatItNeedsAndPopupsBypassIt) {
    HWND top = Top("Ab\xC3\xA7");
    HWND owned = Top("Owned", WS_CAPTION | WS_SYSMENU, top);
    HWND popup = Top("List", WS_POPUP | WS_BORDER, top);
    ASSERT_TRUE(Until([&] { return Viewable(popup); }));

    XWindowAttributes a{};
    XGetWindowAttributes(peer, Native(popup), &a);
    EXPECT_TRUE(a.override_redirect);
    XGetWindowAttributes(peer, Native(top), &a);
    EXPECT_FALSE(a.override_redirect);
    EXPECT_EQ(a.width, 200);

    Atom type = 0;
    EXPECT_EQ(Text(peer, Native(top), "_NET_WM_NAME", &type), "Ab\xC3\xA7");
    EXPECT_EQ(type, XInternAtom(peer, "UTF8_STRING", False));
    SetWindowTextA(top, "Renamed");
    EXPECT_TRUE(Until([&] { return Text(peer, Native(top), "WM_NAME", &type) == "Renamed"; }));
    EXPECT_EQ(type, XA_STRING);

    Atom* protocols = nullptr;
    int n = 0;
    ASSERT_TRUE(XGetWMProtocols(peer, Native(top), &protocols, &n));
    ASSERT_EQ(n, 1);
    EXPECT_EQ(protocols[0], XInternAtom(peer, "WM_DELETE_WINDOW", False));
    XFree(protocols);

    EXPECT_EQ(TransientFor(peer, Native(owned)), Native(top));
    EXPECT_EQ(TransientFor(peer, Native(top)), 0u);

    SetWindowPos(top, nullptr, 0, 0, 250, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(
        Until([&] { return XGetWindowAttributes(peer, Native(top), &a) && a.width == 250; }));
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(peer, Native(top), &hints, &supplied));
    EXPECT_EQ(hints.min_width, 250);
    EXPECT_EQ(hints.max_width, 250);
    EXPECT_EQ(hints.max_height, 120);
    EXPECT_EQ(hints.win_gravity, StaticGravity);

    ShowWindow(popup, SW_HIDE);
    EXPECT_TRUE(Until([&] { return !Viewable(popup); }));
}

TEST_F(X11, KeyboardFocusFromTheServerActivatesAndDeactivates) {
    HWND top = Top();
    ASSERT_TRUE(Until([&] { return Viewable(top); }));
    XSetInputFocus(peer, Native(top), RevertToPointerRoot, CurrentTime);
    ASSERT_TRUE(Until([&] { return GetFocus() == top; }));
    Key(XK_Alt_L, true);
    ASSERT_TRUE(Until([&] { return GetKeyState(VK_MENU) < 0; }));
    messages.clear();
    XSetInputFocus(peer, DefaultRootWindow(peer), RevertToPointerRoot, CurrentTime);
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == nullptr; }));
    EXPECT_TRUE(Got(top, WM_ACTIVATE));
    EXPECT_GE(GetKeyState(VK_MENU), 0); // its release went elsewhere
    Key(XK_Alt_L, false);
    XSetInputFocus(peer, Native(top), RevertToPointerRoot, CurrentTime);
    EXPECT_TRUE(Until([&] { return GetActiveWindow() == top && GetFocus() == top; }));
}

TEST_F(X11, WaitingEndsAtTheDeadlineOnTheMonotonicClock) {
    const DWORD start = display->Now();
    EXPECT_TRUE(display->WaitForInput(start + 60));
    const DWORD waited = display->Now() - start;
    EXPECT_GE(waited, 60u);
    ASSERT_LT(waited, WaitLimitMs);

    HWND top = Top();
    static bool fired;
    fired = false;
    SetTimer(top, 1, 30, [](HWND, UINT, UINT_PTR, DWORD) { fired = true; });
    EXPECT_TRUE(Until([] { return fired; })) << "timers fire between waits";
}

} // namespace
} // namespace x11test
