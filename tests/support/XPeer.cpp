#include "tests/support/XPeer.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace x11test {

namespace {

constexpr int Tries = 750; // 15 s: a loaded machine starts a dialog slowly
constexpr int PollMs = 20;

// Searches the root's children and, under a window manager, their children (frames hold
// the client windows), front to back.
::Window FindChild(Display* display, const std::function<bool(::Window)>& wanted,
                   ::Window parent = 0, int depth = 2) {
    ::Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    ::Window found = 0;
    if (!XQueryTree(display, parent ? parent : DefaultRootWindow(display), &root, &up, &children,
                    &count)) {
        return 0;
    }
    for (unsigned i = count; i-- > 0 && !found;) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable) {
            continue;
        }
        if (wanted(children[i])) {
            found = children[i];
        } else if (depth > 1) {
            found = FindChild(display, wanted, children[i], depth - 1);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

::Window Poll(const std::function<::Window()>& find) {
    ::Window found = 0;
    Eventually([&] { return (found = find()) != 0; });
    return found;
}

} // namespace

bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < Tries; ++i) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(PollMs));
    }
    return false;
}

::Window WaitForWindow(Display* display, const char* title) {
    return Poll([&] {
        return FindChild(display, [&](::Window w) {
            char* name = nullptr;
            const bool match = XFetchName(display, w, &name) && name && std::string(name) == title;
            if (name) {
                XFree(name);
            }
            return match;
        });
    });
}

::Window WaitForPopup(Display* display) {
    return Poll([&] {
        return FindChild(display, [&](::Window w) {
            XWindowAttributes a{};
            return XGetWindowAttributes(display, w, &a) && a.override_redirect;
        });
    });
}

bool WaitUntilGone(Display* display, ::Window window) {
    return Poll([&]() -> ::Window {
               XWindowAttributes a{};
               return !XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable;
           }) != 0;
}

std::string PropertyBytes(Display* display, ::Window window, Atom property, Atom* type, int* format,
                          bool take) {
    Atom actual = 0;
    int bits = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string bytes;
    if (XGetWindowProperty(display, window, property, 0, 1 << 24, take ? True : False,
                           AnyPropertyType, &actual, &bits, &count, &after, &data) == Success &&
        data) {
        const std::size_t size = bits == 32 ? sizeof(long) : static_cast<std::size_t>(bits / 8);
        bytes.assign(reinterpret_cast<const char*>(data), count * size);
    }
    if (data) {
        XFree(data);
    }
    if (type) {
        *type = actual;
    }
    if (format) {
        *format = bits;
    }
    return bytes;
}

std::vector<long> Cardinals(Display* display, ::Window window, const char* property) {
    int format = 0;
    const std::string bytes =
        PropertyBytes(display, window, XInternAtom(display, property, False), nullptr, &format);
    std::vector<long> values(format == 32 ? bytes.size() / sizeof(long) : 0);
    if (!values.empty()) { // an absent property: no buffer to copy from or to
        std::memcpy(values.data(), bytes.data(), values.size() * sizeof(long));
    }
    return values;
}

std::vector<std::string> AtomNames(Display* display, ::Window window, const char* property) {
    std::vector<std::string> names;
    for (long atom : Cardinals(display, window, property)) {
        char* name = XGetAtomName(display, static_cast<Atom>(atom));
        names.emplace_back(name ? name : "");
        if (name) {
            XFree(name);
        }
    }
    return names;
}

std::string Text(Display* display, ::Window window, const char* property, Atom* type) {
    int format = 0;
    std::string bytes =
        PropertyBytes(display, window, XInternAtom(display, property, False), type, &format);
    return format == 8 ? bytes : std::string();
}

::Window TransientFor(Display* display, ::Window window) {
    ::Window owner = 0;
    return XGetTransientForHint(display, window, &owner) ? owner : 0;
}

RECT RootRect(Display* display, ::Window window) {
    XWindowAttributes a{};
    int x = 0, y = 0;
    ::Window child = 0;
    XGetWindowAttributes(display, window, &a);
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, x + a.width, y + a.height};
}

unsigned long ServerPixel(Display* display, ::Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return ~0ul;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

void Click(Display* display, ::Window window, POINT at) {
    const RECT r = RootRect(display, window);
    XTestFakeMotionEvent(display, -1, r.left + at.x, r.top + at.y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

void RequestClose(Display* display, ::Window window) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &e);
    XSync(display, False);
}

void SetNetActiveWindow(Display* display, ::Window window) {
    const long value = static_cast<long>(window);
    XChangeProperty(display, DefaultRootWindow(display),
                    XInternAtom(display, "_NET_ACTIVE_WINDOW", False), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&value), 1);
    XSync(display, False);
}

} // namespace x11test
