#include "tests/platform/X11Fixture.h"

#include "platform/win/WindowSystem.h"
#include "tests/support/XServer.h"

#include <X11/extensions/XTest.h>

namespace x11test {

namespace {

// The peer asks about windows that may be gone; its errors are answers, not failures.
int IgnorePeerError(Display*, XErrorEvent*) {
    return 0;
}

XErrorHandler hostHandler = nullptr;

} // namespace

void X11Fixture::SetUp() {
    hostHandler = XSetErrorHandler(IgnorePeerError);
    const std::string& name = XServer::Name();
    if (name.empty() || !Connect(true)) {
        GTEST_SKIP() << "no X server";
    }
    peer = XOpenDisplay(name.c_str());
    ASSERT_NE(peer, nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(peer, &event, &error, &major, &minor)) {
        GTEST_SKIP() << "the X server has no XTest";
    }
}

void X11Fixture::TearDown() {
    for (HWND top : win::TopLevelWindows()) {
        DestroyWindow(top);
    }
    win::SetBackend(nullptr);
    if (peer) {
        XCloseDisplay(peer);
    }
    XSetErrorHandler(hostHandler);
}

bool X11Fixture::Connect(bool shm) {
    auto made = backend::X11Backend::Open(XServer::Name().c_str(), shm);
    display = made.get();
    win::SetBackend(std::move(made));
    return display != nullptr;
}

bool X11Fixture::Until(const std::function<bool()>& done) {
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

bool X11Fixture::Viewable(HWND hwnd) {
    XWindowAttributes a{};
    return XGetWindowAttributes(peer, Native(hwnd), &a) && a.map_state == IsViewable;
}

void X11Fixture::Key(KeySym keysym, bool down) {
    XTestFakeKeyEvent(peer, XKeysymToKeycode(peer, keysym), down ? True : False, CurrentTime);
}

void X11Fixture::Tap(KeySym keysym) {
    Key(keysym, true);
    Key(keysym, false);
}

void X11Fixture::Click(int button) {
    XTestFakeButtonEvent(peer, static_cast<unsigned>(button), True, CurrentTime);
    XTestFakeButtonEvent(peer, static_cast<unsigned>(button), False, CurrentTime);
}

} // namespace x11test
