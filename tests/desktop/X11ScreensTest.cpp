// Screens and servers the X11 display meets: 16- and 30-bit TrueColor screens get converted
// pixels, an 8-bit screen is refused in one line, a server that accepts and never answers
// is given up after the time-out, and a missing DISPLAY says so.
#include <gtest/gtest.h>

#include "platform/backend/X11Backend.h"
#include "platform/backend/X11Connection.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"
#include "tests/support/XPeer.h"
#include "tests/support/Xvfb.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace desktoptest {
namespace {

constexpr COLORREF Odd = RGB(0x12, 0x34, 0x56);

void RegisterFilled() {
    static const bool done = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hbrBackground = CreateSolidBrush(Odd);
        wc.lpszClassName = "DepthFilled";
        return RegisterClassA(&wc) != 0;
    }();
    (void)done;
}

// The pixel the server holds inside the window: the wanted one, or the last seen after a
// few seconds.
unsigned long ServerPixel(Display* peer, backend::X11Backend& display, HWND hwnd,
                          unsigned long wanted) {
    unsigned long pixel = ~0ul;
    for (int turn = 0; turn < 300; ++turn) {
        display.WaitForInput(display.Now() + 10);
        win::PumpMessages();
        XWindowAttributes a{};
        const ::Window xid = display.NativeWindow(hwnd);
        if (XGetWindowAttributes(peer, xid, &a) && a.map_state == IsViewable) {
            pixel = x11test::ServerPixel(peer, xid, 20, 20);
            if (pixel == wanted)
                return pixel;
        }
    }
    return pixel;
}

TEST(X11Screens, SixteenAndThirtyBitScreensShowTheColoursConverted) {
    RegisterFilled();
    const std::pair<const char*, unsigned long> screens[] = {
        // 5-6-5 keeps the high bits; 10-10-10 repeats them below.
        {"1024x768x16", (0x12ul >> 3) << 11 | (0x34ul >> 2) << 5 | (0x56ul >> 3)},
        {"1024x768x30", (0x12ul << 2 | 0x12ul >> 6) << 20 | (0x34ul << 2 | 0x34ul >> 6) << 10 |
                            (0x56ul << 2 | 0x56ul >> 6)},
    };
    for (const auto& [screen, expected] : screens) {
        for (bool shm : {true, false}) {
            x11test::Xvfb server(screen);
            if (server.Name().empty())
                GTEST_SKIP() << "no Xvfb";
            auto made = backend::X11Backend::Open(server.Name().c_str(), shm);
            ASSERT_NE(made, nullptr) << screen;
            backend::X11Backend& display = *made;
            win::SetBackend(std::move(made));
            // Large enough to go through shared memory when it is offered.
            const HWND hwnd = CreateWindowExA(0, "DepthFilled", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                              800, 700, nullptr, nullptr, nullptr, nullptr);
            Display* peer = XOpenDisplay(server.Name().c_str());
            EXPECT_EQ(ServerPixel(peer, display, hwnd, expected), expected)
                << screen << " shm " << shm;
            EXPECT_EQ(display.UsesSharedMemory(hwnd), shm) << screen;
            XCloseDisplay(peer);
            DestroyWindow(hwnd);
            win::SetBackend(nullptr);
        }
    }
}

TEST(X11Screens, RefusedScreensAndServersSayWhyInOneLine) {
    x11test::Xvfb eightBit("640x480x8");
    if (eightBit.Name().empty())
        GTEST_SKIP() << "no Xvfb";
    std::string why;
    EXPECT_EQ(backend::X11Backend::Open(eightBit.Name().c_str(), true, &why), nullptr);
    EXPECT_EQ(why, "the X display " + eightBit.Name() +
                       " has no TrueColor visual of depth 15, 16, 24 or 30 to draw on");

    // A listening socket that never answers the handshake.
    int number = 900;
    std::string path;
    for (; number < 1000; ++number) {
        path = "/tmp/.X11-unix/X" + std::to_string(number);
        struct stat info {};
        if (stat(path.c_str(), &info) != 0)
            break;
    }
    mkdir("/tmp/.X11-unix", 01777);
    const int silent = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(silent, 4), 0);
    const std::string name = ":" + std::to_string(number);
    EXPECT_EQ(backend::X11Connection::Open(name.c_str(), why, 300), nullptr);
    EXPECT_EQ(why, "the X display " + name + " did not answer within 0 s");
    close(silent);
    unlink(path.c_str());

    EXPECT_EQ(backend::X11Connection::Open("nowhere:abc", why), nullptr);
    EXPECT_EQ(why, "cannot open the X display nowhere:abc");
    const char* saved = std::getenv("DISPLAY");
    const std::string kept = saved ? saved : "";
    unsetenv("DISPLAY");
    EXPECT_EQ(backend::X11Backend::Open(nullptr, true, &why), nullptr);
    EXPECT_EQ(why, "no X display (DISPLAY is not set)");
    if (saved)
        setenv("DISPLAY", kept.c_str(), 1);
}

} // namespace
} // namespace desktoptest
