// qvsql-host on a real X server: the dialog takes real pointer events, ticks "*" and OK,
// and the statement arrives on standard output.
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WindowSystem.h"
#include "resources/DialogTemplates.h"
#include "tests/platform/XServer.h"

// gtest first: Xlib defines None and Status as macros.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* Title = "Orvane SQL Query Builder - SELECT SQL Query";

// Dialog units to pixels as the platform lays out the template (the same fonts serve both
// displays).
RECT TemplatePixels(RECT units) {
    win::SetBackend(std::make_unique<backend::HeadlessBackend>());
    ctl::RegisterBuiltinControls();
    const HWND probe =
        CreateDialogIndirectParamA(nullptr, &res::QueryBuilderTemplate(), nullptr, nullptr, 0);
    MapDialogRect(probe, &units);
    DestroyWindow(probe);
    win::SetBackend(nullptr);
    return units;
}

Window FindViewable(Display* display, Window parent) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(display, children[i], &name) && name && std::string(name) == Title &&
            XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable)
            found = children[i];
        if (name)
            XFree(name);
    }
    if (children)
        XFree(children);
    return found;
}

// The host is a separate process: wait for its window, but never forever.
Window WaitForDialog(Display* display) {
    for (int tries = 0; tries < 200; ++tries) {
        if (Window w = FindViewable(display, DefaultRootWindow(display)))
            return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

void Click(Display* display, Window window, int x, int y) {
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

// Until the host ends; a host still open after 10 s without output is stopped.
std::string ReadAll(int fd, pid_t host) {
    std::string text;
    char chunk[256];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 10000) <= 0) {
            kill(host, SIGTERM);
            return text;
        }
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0)
            return text;
        text.append(chunk, static_cast<std::size_t>(n));
    }
}

TEST(HostOnXServer, RealClicksTickAColumnAndPressOk) {
    const std::string server = x11test::XServer::Name();
    if (server.empty())
        GTEST_SKIP() << "no X server";
    const RECT list = TemplatePixels({176, 7, 176 + 82, 7 + 67});
    const RECT ok = TemplatePixels({333, 229, 333 + 60, 229 + 14});

    Display* display = XOpenDisplay(server.c_str());
    ASSERT_NE(display, nullptr);
    setenv("DISPLAY", server.c_str(), 1);
    unsetenv("QVSQL_SCRIPT");
    unsetenv("QVSQL_BACKEND");
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(QVSQL_HOST), const_cast<char*>("--no-run"), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, QVSQL_HOST, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);

    const Window dialog = WaitForDialog(display);
    if (dialog) {
        Click(display, dialog, list.left + 8, list.top + 8); // the check box of "*"
        Click(display, dialog, (ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    } else {
        kill(pid, SIGTERM);
    }
    const std::string printed = ReadAll(out[0], pid);
    close(out[0]);
    int status = -1;
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    ASSERT_NE(dialog, 0u) << "the dialog never appeared";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << printed;
    EXPECT_EQ(printed.rfind("SELECT * FROM Customers", 0), 0u) << printed;
}

} // namespace
