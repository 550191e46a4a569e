// Real GTK 3 and Qt 5 hosts under a window manager (openbox) on a private Xvfb: a real click
// on the host's button opens the dialog transient for the host's window; the host's timer
// keeps ticking while the dialog is open (the modal loop dispatches its GLib main context);
// its nested call from the timer is refused; OK hands the statement back.
#include <gtest/gtest.h>

#include "tests/desktop/DesktopPeer.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Xvfb.h"

#include <X11/Xlib.h>

namespace desktoptest {
namespace {

constexpr int EnoughTicks = 3;

// The window manager, for as long as the object lives.
class Openbox {
  public:
    explicit Openbox(Display* display) : wm("openbox", {"--sm-disable"}) {
        if (wm.Pid() > 0)
            Eventually([&] { return Running(display); });
    }
    static bool Running(Display* display) {
        return !Cardinals(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK").empty();
    }

  private:
    qvsql::test::ChildProcess wm;
};

int TicksIn(Display* display, ::Window window) {
    const std::string title = Text(display, window, "_NET_WM_NAME");
    const std::size_t at = title.find("ticks ");
    return at == std::string::npos ? -1 : std::stoi(title.substr(at + 6));
}

void PlayHost(const char* program, const DialogTargets& targets) {
    x11test::Xvfb server;
    Display* peer = server.Name().empty() ? nullptr : XOpenDisplay(server.Name().c_str());
    ASSERT_NE(peer, nullptr) << "no Xvfb";
    setenv("DISPLAY", server.Name().c_str(), 1);
    Openbox manager(peer);
    if (!Openbox::Running(peer))
        GTEST_SKIP() << "no openbox";
    qvsql::test::ChildProcess host(program);
    int x = 0, y = 0;
    ASSERT_EQ(std::sscanf(host.Line().c_str(), "button %d %d", &x, &y), 2) << program;
    const std::string window = host.Line();
    ASSERT_EQ(window.rfind("window ", 0), 0u) << window;
    const ::Window hostWindow = std::stoul(window.substr(7));
    Click(peer, DefaultRootWindow(peer), {x, y});

    const ::Window dialog = WaitForWindow(peer);
    ASSERT_NE(dialog, 0u) << program;
    EXPECT_EQ(TransientFor(peer, dialog), hostWindow) << program;
    // The title may still show the tick before the click: one more tick keeps the host's own
    // count (from the click on) at EnoughTicks or more.
    const int first = TicksIn(peer, hostWindow) + 1;
    Eventually([&] { return TicksIn(peer, hostWindow) >= first + EnoughTicks; });
    EXPECT_GE(TicksIn(peer, hostWindow), first + EnoughTicks) << program << ": the host froze";
    Click(peer, dialog, targets.okButton);
    EXPECT_EQ(host.Line(), "result 0") << program;
    EXPECT_EQ(host.Line(), "statement SELECT * FROM Customers ") << program;
    int ticks = 0;
    EXPECT_EQ(std::sscanf(host.Line().c_str(), "ticks %d", &ticks), 1);
    EXPECT_GE(ticks, EnoughTicks) << program;
    EXPECT_EQ(host.Line(), "reentrant 1") << program;
    EXPECT_EQ(host.Wait(), 0) << program << host.Errors();
    XCloseDisplay(peer);
}

class ToolkitHost : public ::testing::Test {
  protected:
    void SetUp() override {
        unsetenv("QVSQL_SCRIPT");
        unsetenv("QVSQL_BACKEND");
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        saved = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
        const char* asan = std::getenv("ASAN_OPTIONS");
        savedAsan = asan ? asan : "";
        // The toolkits keep allocations until exit; the library's own are checked elsewhere.
        setenv("ASAN_OPTIONS", "detect_leaks=0:abort_on_error=1", 1);
    }
    void TearDown() override {
        saved.empty() ? unsetenv("DISPLAY") : setenv("DISPLAY", saved.c_str(), 1);
        savedAsan.empty() ? unsetenv("ASAN_OPTIONS") : setenv("ASAN_OPTIONS", savedAsan.c_str(), 1);
    }
    std::string saved;
    std::string savedAsan;
};

#ifdef QVSQL_GTK_HOST
TEST_F(ToolkitHost, Gtk3HostKeepsTickingAndGetsTheStatement) {
    PlayHost(QVSQL_GTK_HOST, QueryBuilderTargets());
}
#endif

#ifdef QVSQL_QT_HOST
TEST_F(ToolkitHost, Qt5HostKeepsTickingAndGetsTheStatement) {
    PlayHost(QVSQL_QT_HOST, QueryBuilderTargets());
}
#endif

} // namespace
} // namespace desktoptest
