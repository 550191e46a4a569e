// The library inside a host process on a private X server: the server dies under an open
// dialog (with and without a list open), comes back between two calls, or another client
// destroys the dialog; the host's own X error handler keeps its errors; a second thread is
// refused. The host is a child process, so it can be seen alive afterwards.
// gtest first: Xlib defines None and Status as macros.
#include <gtest/gtest.h>

#include "tests/desktop/DesktopPeer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Xvfb.h"

#include <X11/Xlib.h>

#include <memory>

namespace desktoptest {
namespace {

using qvsql::test::ChildProcess;

constexpr const char* Untouched = "result 1 buffer 'keep me'";
constexpr const char* WithCondition = "SELECT * FROM T WHERE  ( Alpha = 'x' ) ";

struct Server {
    std::unique_ptr<x11test::Xvfb> xvfb = std::make_unique<x11test::Xvfb>();
    Display* peer = nullptr;
    Server() {
        if (!xvfb->Name().empty())
            peer = XOpenDisplay(xvfb->Name().c_str());
    }
    ~Server() { Kill(); }
    void Kill() {
        if (peer)
            XCloseDisplay(peer);
        peer = nullptr;
        xvfb->Kill();
    }
};

int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

class HostSurvival : public ::testing::Test {
  protected:
    void SetUp() override {
        unsetenv("QVSQL_SCRIPT");
        unsetenv("QVSQL_BACKEND");
        previous = XSetErrorHandler(IgnoreError); // our peer outlives the servers it killed
    }
    void TearDown() override { XSetErrorHandler(previous); }
    XErrorHandler previous = nullptr;
};

// Kills the server while the dialog (and what opens) is shown; the call answers 1.
void KillDuring(ChildProcess& host, const std::string& call, POINT click, const char* what) {
    Server server;
    ASSERT_NE(server.peer, nullptr) << "no Xvfb";
    host.Send("display " + server.xvfb->Name());
    ASSERT_EQ(host.Line(), "ok");
    host.Send(call);
    const ::Window dialog = WaitForWindow(server.peer);
    ASSERT_NE(dialog, 0u) << what;
    if (click.x || click.y) {
        Click(server.peer, dialog, click);
        ASSERT_NE(WaitForPopup(server.peer), 0u) << what << " did not open";
    }
    server.Kill();
    const std::string expected =
        call == "call" ? Untouched : std::string("result 1 buffer '") + WithCondition + "'";
    EXPECT_EQ(host.Line(), expected) << what;
}

TEST_F(HostSurvival, TheServerDiesComesBackOrDestroysTheDialog) {
    const DialogTargets targets = QueryBuilderTargets();
    ChildProcess host(QVSQL_PROBE_HOST);
    KillDuring(host, "call", {0, 0}, "the dialog");
    KillDuring(host, "call", targets.tableCombo, "the table list");
    KillDuring(host, std::string("call ") + WithCondition, targets.fieldsCell, "the drop-down");

    // A server is back: the next call opens a new connection; another client destroys the
    // dialog, which ends as Cancel.
    Server again;
    host.Send("display " + again.xvfb->Name());
    ASSERT_EQ(host.Line(), "ok");
    host.Send("call");
    const ::Window dialog = WaitForWindow(again.peer);
    ASSERT_NE(dialog, 0u);
    XDestroyWindow(again.peer, dialog);
    XSync(again.peer, False);
    EXPECT_EQ(host.Line(), Untouched);

    host.Send("quit");
    EXPECT_EQ(host.Line(), "alive");
    const int status = host.Wait();
    const std::string errors = host.Errors();
    EXPECT_EQ(status, 0) << errors;
    EXPECT_NE(errors.find("qvsql: lost the connection to the X display"), std::string::npos)
        << errors;
}

TEST_F(HostSurvival, TheHostsErrorHandlerKeepsItsErrorsAfterTheDialogAndTheUnload) {
    Server server;
    ASSERT_NE(server.peer, nullptr) << "no Xvfb";
    ChildProcess host(QVSQL_PROBE_HOST);
    host.Send("display " + server.xvfb->Name());
    host.Send("handler");
    host.Send("provoke");
    EXPECT_EQ(host.Line(), "ok");
    EXPECT_EQ(host.Line(), "ok");
    EXPECT_EQ(host.Line(), "host saw 1 errors");
    host.Send("call");
    const ::Window dialog = WaitForWindow(server.peer);
    ASSERT_NE(dialog, 0u);
    RequestClose(server.peer, dialog);
    EXPECT_EQ(host.Line(), Untouched);
    host.Send("provoke");
    EXPECT_EQ(host.Line(), "host saw 2 errors");
    host.Send("unload");
    host.Send("provoke");
    host.Send("quit");
    EXPECT_EQ(host.Line(), "unloaded");
    EXPECT_EQ(host.Line(), "host saw 3 errors");
    EXPECT_EQ(host.Line(), "alive");
    EXPECT_EQ(host.Wait(), 0);
}

TEST_F(HostSurvival, ASecondThreadIsRefusedWhileTheDialogIsOpen) {
    Server server;
    ASSERT_NE(server.peer, nullptr) << "no Xvfb";
    ChildProcess host(QVSQL_PROBE_HOST);
    host.Send("display " + server.xvfb->Name());
    EXPECT_EQ(host.Line(), "ok");
    host.Send("thread");
    host.Send("call");
    const ::Window dialog = WaitForWindow(server.peer);
    ASSERT_NE(dialog, 0u);
    EXPECT_EQ(host.Line(), "refused 600 of 600");
    RequestClose(server.peer, dialog);
    EXPECT_EQ(host.Line(), Untouched);
    host.Send("quit");
    EXPECT_EQ(host.Line(), "alive");
    EXPECT_EQ(host.Wait(), 0);
    EXPECT_NE(host.Errors().find("called from another thread"), std::string::npos);
}

} // namespace
} // namespace desktoptest
