// What a window manager reads from the dialog, read back from the server: a modal dialog of
// this process and machine with the library's icon, no user-given position, transient for
// the host's active window (when that is the host's) and centred over it.
#include <gtest/gtest.h>

#include "tests/desktop/DesktopPeer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Xvfb.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <climits>
#include <unistd.h>

namespace desktoptest {
namespace {

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    gethostname(name, sizeof name - 1);
    return name;
}

int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

// A modal dialog of process pid on this machine with the library's 32-pixel icon and no
// position given by the user.
void ExpectModalDialogOf(Display* peer, ::Window dialog, long pid) {
    EXPECT_EQ(AtomNames(peer, dialog, "_NET_WM_WINDOW_TYPE"),
              std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_EQ(AtomNames(peer, dialog, "_NET_WM_STATE"),
              std::vector<std::string>{"_NET_WM_STATE_MODAL"});
    EXPECT_EQ(Cardinals(peer, dialog, "_NET_WM_PID"), std::vector<long>{pid});
    EXPECT_EQ(Text(peer, dialog, "WM_CLIENT_MACHINE"), HostName());
    EXPECT_EQ(Text(peer, dialog, "WM_CLASS"), std::string("qvsql\0QvSQLBuilder\0", 19));
    const std::vector<long> icon = Cardinals(peer, dialog, "_NET_WM_ICON");
    ASSERT_GE(icon.size(), 2u);
    EXPECT_EQ(icon.size(), 2u + static_cast<std::size_t>(icon[0] * icon[1]));
    EXPECT_EQ(icon[0], 32);
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(peer, dialog, &hints, &supplied));
    EXPECT_EQ(hints.flags & USPosition, 0);
}

TEST(WindowManager, TheDialogIsAModalDialogOfTheHostCentredOverItsActiveWindow) {
    const XErrorHandler previous = XSetErrorHandler(IgnoreError);
    unsetenv("QVSQL_SCRIPT");
    unsetenv("QVSQL_BACKEND");
    x11test::Xvfb server;
    Display* peer = server.Name().empty() ? nullptr : XOpenDisplay(server.Name().c_str());
    ASSERT_NE(peer, nullptr) << "no Xvfb";
    qvsql::test::ChildProcess host(QVSQL_PROBE_HOST);
    host.Send("display " + server.Name());
    host.Send("handler");
    host.Send("window");
    EXPECT_EQ(host.Line(), "ok");
    EXPECT_EQ(host.Line(), "ok");
    const std::string line = host.Line();
    ASSERT_EQ(line.rfind("window ", 0), 0u) << line;
    const ::Window hostWindow = std::stoul(line.substr(7));
    SetNetActiveWindow(peer, hostWindow);

    host.Send("call");
    const ::Window dialog = WaitForWindow(peer);
    ASSERT_NE(dialog, 0u);
    ExpectModalDialogOf(peer, dialog, host.Pid());
    EXPECT_EQ(TransientFor(peer, dialog), hostWindow);
    const RECT d = RootRect(peer, dialog);
    EXPECT_NEAR(d.left + d.right, 2 * 100 + 600, 2) << "centred over the host's window";
    EXPECT_NEAR(d.top + d.bottom, 2 * 50 + 500, 2);
    RequestClose(peer, dialog);
    EXPECT_EQ(host.Line(), "result 1 buffer 'keep me'");

    // Another program's window is active: no owner, centred on the screen.
    const ::Window foreign =
        XCreateSimpleWindow(peer, DefaultRootWindow(peer), 0, 0, 50, 50, 0, 0, 0);
    SetNetActiveWindow(peer, foreign);
    host.Send("call");
    const ::Window alone = WaitForWindow(peer);
    ASSERT_NE(alone, 0u);
    EXPECT_EQ(TransientFor(peer, alone), 0u);
    const RECT a = RootRect(peer, alone);
    EXPECT_NEAR(a.left + a.right, DisplayWidth(peer, 0), 2);
    RequestClose(peer, alone);
    EXPECT_EQ(host.Line(), "result 1 buffer 'keep me'");
    host.Send("quit");
    EXPECT_EQ(host.Line(), "alive");
    XCloseDisplay(peer);
    XSetErrorHandler(previous);
}

} // namespace
} // namespace desktoptest
