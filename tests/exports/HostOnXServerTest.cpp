// qvsql-host on a real X server: the dialog takes real pointer events, ticks a column and OK,
// and the statement arrives on standard output.
#include "platform/afx/CCheckListBox.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WindowSystem.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "tests/platform/XServer.h"

// gtest first: Xlib defines None and Status as macros.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
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
constexpr int NameItem = 2; // "*", "ID", "Name", ... of the sample's first table
constexpr int ReplyLimitMs = 10000;

struct Targets {
    POINT nameBox;
    POINT okCentre;
};

// Where to click in the dialog's client area, laid out headless from the same template and
// fonts as the host's display. The column list becomes a check list there, as in the host,
// so its items have the host's height.
Targets ClickTargets() {
    win::SetBackend(std::make_unique<backend::HeadlessBackend>());
    ctl::RegisterBuiltinControls();
    const HWND probe =
        CreateDialogIndirectParamA(nullptr, &res::QueryBuilderTemplate(), nullptr, nullptr, 0);
    Targets targets{};
    CCheckListBox list;
    if (probe && list.SubclassWindow(GetDlgItem(probe, res::IDC_COLUMNS))) {
        for (const char* item : {"*", "ID", "Name"}) {
            list.AddString(item);
        }
        RECT item{};
        list.GetItemRect(NameItem, &item);
        targets.nameBox = {item.left + 1 + CCheckListBox::BoxSize / 2,
                           (item.top + item.bottom) / 2};
        MapWindowPoints(list.m_hWnd, probe, &targets.nameBox, 1);
        list.UnsubclassWindow();
    }
    RECT ok{};
    const HWND button = GetDlgItem(probe, IDOK);
    GetClientRect(button, &ok);
    targets.okCentre = {ok.right / 2, ok.bottom / 2};
    MapWindowPoints(button, probe, &targets.okCentre, 1);
    DestroyWindow(probe);
    win::SetBackend(nullptr);
    return targets;
}

Window FindViewable(Display* display, Window parent) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) {
        return 0;
    }
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(display, children[i], &name) && name && std::string(name) == Title &&
            XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable) {
            found = children[i];
        }
        if (name) {
            XFree(name);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

// The host is a separate process: wait for its window, but never forever.
Window WaitForDialog(Display* display) {
    for (int tries = 0; tries < 200; ++tries) {
        if (Window w = FindViewable(display, DefaultRootWindow(display))) {
            return w;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}

// No window manager frames the dialog under bare Xvfb: its client area is the X window,
// wherever the backend put it.
void Click(Display* display, Window window, POINT at) {
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), at.x, at.y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

// Until the host ends; a host silent for too long (a message box, a missed click) is killed.
std::string ReadAll(int fd, pid_t host) {
    std::string text;
    char chunk[256];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, ReplyLimitMs) <= 0) {
            kill(host, SIGKILL);
            return text;
        }
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0) {
            return text;
        }
        text.append(chunk, static_cast<std::size_t>(n));
    }
}

pid_t SpawnHost(int out) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    char* argv[] = {const_cast<char*>(QVSQL_HOST), const_cast<char*>("--no-run"), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, QVSQL_HOST, &actions, nullptr, argv, environ) != 0) {
        pid = 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The dialog opens with "*" ticked, so ticking a named column is what shows the click landed.
TEST(HostOnXServer, RealClicksTickAColumnAndPressOk) {
    const std::string server = x11test::XServer::Name();
    if (server.empty()) {
        GTEST_SKIP() << "no X server";
    }
    const Targets targets = ClickTargets();
    ASSERT_GT(targets.nameBox.y, 0);

    Display* display = XOpenDisplay(server.c_str());
    ASSERT_NE(display, nullptr);
    setenv("DISPLAY", server.c_str(), 1);
    unsetenv("QVSQL_SCRIPT");
    unsetenv("QVSQL_BACKEND");
    int out[2];
    ASSERT_EQ(pipe2(out, O_CLOEXEC), 0);
    const pid_t pid = SpawnHost(out[1]);
    close(out[1]);
    ASSERT_GT(pid, 0);

    const Window dialog = WaitForDialog(display);
    if (dialog) {
        Click(display, dialog, targets.nameBox);
        Click(display, dialog, targets.okCentre);
    } else {
        kill(pid, SIGKILL);
    }
    const std::string printed = ReadAll(out[0], pid);
    close(out[0]);
    int status = -1;
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    ASSERT_NE(dialog, 0u) << "the dialog never appeared";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << printed;
    EXPECT_EQ(printed, "SELECT Name FROM Customers \n");
}

} // namespace
