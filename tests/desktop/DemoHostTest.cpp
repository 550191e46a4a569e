// The demo host on a private X server without a window manager: real clicks tick a column and
// press OK, and the statement arrives on standard output. The dialog opens with "*" ticked, so
// ticking a named column is what shows the click landed.
#include <gtest/gtest.h>

#include "tests/desktop/DesktopPeer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Xvfb.h"

#include <cstdlib>

namespace desktoptest {
namespace {

TEST(DemoHost, RealClicksTickAColumnAndPressOk) {
    x11test::Xvfb server;
    Display* peer = server.Name().empty() ? nullptr : XOpenDisplay(server.Name().c_str());
    ASSERT_NE(peer, nullptr) << "no Xvfb";
    const DialogTargets targets = QueryBuilderTargets();
    ASSERT_GT(targets.nameBox.y, 0);
    setenv("DISPLAY", server.Name().c_str(), 1);
    unsetenv("QVSQL_SCRIPT");
    unsetenv("QVSQL_BACKEND");
    qvsql::test::ChildProcess host(QVSQL_HOST, {"--no-run"});
    const ::Window dialog = WaitForWindow(peer);
    ASSERT_NE(dialog, 0u) << "the dialog never appeared";
    Click(peer, dialog, targets.nameBox);
    Click(peer, dialog, targets.okButton);
    EXPECT_EQ(host.Line(), "SELECT Name FROM Customers ");
    EXPECT_EQ(host.Wait(), 0) << host.Errors();
    XCloseDisplay(peer);
}

} // namespace
} // namespace desktoptest
