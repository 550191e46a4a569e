#include "platform/backend/X11Backend.h"

#include "platform/backend/GLibMainContext.h"
#include "platform/backend/X11Clipboard.h"
#include "platform/backend/X11Connection.h"
#include "platform/backend/X11ErrorTrap.h"
#include "platform/backend/X11Events.h"
#include "platform/backend/X11Presenter.h"
#include "platform/backend/X11WindowHints.h"
#include "platform/gfx/DisplayScale.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/WindowSystem.h"

#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/XShm.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <map>
#include <poll.h>

namespace backend {

namespace {

constexpr long EventMask = ExposureMask | StructureNotifyMask | ButtonPressMask |
                           ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                           LeaveWindowMask | KeyPressMask | KeyReleaseMask | FocusChangeMask;
// Events handled in one turn, so a flood of motion cannot hold the loop.
constexpr int EventBatch = 1000;

unsigned Side(LONG v) {
    return static_cast<unsigned>(std::clamp<LONG>(v, 1, 32767));
}

bool IsLocal(Display* display) {
    const char* name = DisplayString(display);
    return name && (name[0] == ':' || std::strncmp(name, "unix:", 5) == 0);
}

struct Shape {
    LPCSTR id;
    unsigned glyph;
};

const Shape Shapes[] = {
    {IDC_ARROW, XC_left_ptr},
    {IDC_IBEAM, XC_xterm},
    {IDC_WAIT, XC_watch},
    {IDC_CROSS, XC_crosshair},
    {IDC_SIZEWE, XC_sb_h_double_arrow},
    {IDC_SIZENS, XC_sb_v_double_arrow},
    {IDC_NO, XC_X_cursor},
    {IDC_HAND, XC_hand2},
};

} // namespace

struct X11Backend::Impl {
    struct Native {
        ::Window xid = 0;
        bool framed = false;
        bool shown = false;
        bool mapped = false;
        bool exposed = false; // until the first Expose after mapping, nothing is presented
        bool owned = false;   // transient for a window of ours
        bool placed = false;  // shown once: placed over the host's window if it has one
        SIZE size{};
        std::unique_ptr<X11Presenter> presenter;
    };

    Impl(Display* d, const XVisualInfo& info, const X11PixelFormat& pixels, bool useShm)
        : display(d), visual(info.visual), depth(info.depth), format(pixels), shm(useShm), hints(d),
          inputMethod(d), events(d, hints.Protocols(), hints.DeleteWindow(), inputMethod),
          clipboard(d) {
        X11ErrorTrap::Adopt(d, &lost);
        root = DefaultRootWindow(d);
        ownColormap = visual != DefaultVisual(d, DefaultScreen(d));
        colormap = ownColormap ? XCreateColormap(d, root, visual, AllocNone)
                               : DefaultColormap(d, DefaultScreen(d));
        Bool detectable = False;
        XkbSetDetectableAutoRepeat(d, True, &detectable);
    }

    ~Impl() {
        X11ErrorTrap::Scope trap;
        for (auto& [hwnd, n] : natives) {
            n.presenter.reset();
            if (n.xid && !lost) {
                XDestroyWindow(display, n.xid);
            }
        }
        for (auto& [glyph, c] : cursors) {
            XFreeCursor(display, c);
        }
        if (ownColormap) {
            XFreeColormap(display, colormap);
        }
        inputMethod.Close(!lost);
        XCloseDisplay(display);
        X11ErrorTrap::Release(display);
    }

    Native* Find(HWND hwnd) {
        auto it = natives.find(hwnd);
        return it == natives.end() ? nullptr : &it->second;
    }
    const Native* Find(HWND hwnd) const {
        auto it = natives.find(hwnd);
        return it == natives.end() ? nullptr : &it->second;
    }
    // A native that can still be drawn on: its X window exists on a live connection.
    Native* Live(HWND hwnd) {
        Native* n = Find(hwnd);
        return n && n->xid && !lost ? n : nullptr;
    }

    // Another client destroyed the window: it is forgotten, and a framed one is asked to
    // close as through its close box; a modal loop it still runs is ended when the queue is
    // empty. A popup's owner decides itself when to let it go.
    void Gone(HWND hwnd, Native& n) {
        inputMethod.Detach(n.xid);
        byXid.erase(n.xid);
        n.xid = 0;
        n.mapped = false;
        if (n.framed) {
            PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    }

    // A dialog of no window of ours is transient for the host's active window when that
    // belongs to this process, centred over it (kept on the screen); else it stays where the
    // window system put it.
    void PlaceOverHost(HWND hwnd, Native& n) {
        const ::Window host = hints.ActiveWindowOfThisProcess();
        XWindowAttributes a{};
        int x = 0;
        int y = 0;
        ::Window child = 0;
        if (!host || !XGetWindowAttributes(display, host, &a) ||
            !XTranslateCoordinates(display, host, root, 0, 0, &x, &y, &child)) {
            return;
        }
        hints.SetOwner(n.xid, host);
        const int screen = DefaultScreen(display);
        const POINT at{
            std::clamp<LONG>(x + (a.width - n.size.cx) / 2, 0,
                             std::max<LONG>(0, DisplayWidth(display, screen) - n.size.cx)),
            std::clamp<LONG>(y + (a.height - n.size.cy) / 2, 0,
                             std::max<LONG>(0, DisplayHeight(display, screen) - n.size.cy))};
        XMoveWindow(display, n.xid, at.x, at.y);
        win::NativeMoved(hwnd, at);
    }

    // One wait on the X connection and the host's GLib sources (which run when ready); no
    // wake-up unless one of them has something. False when the connection broke.
    bool Poll(int timeout) {
        GLibMainContext glib;
        std::vector<pollfd> fds{{ConnectionNumber(display), POLLIN, 0}};
        const int glibTimeout = glib.Prepare(fds);
        if (glibTimeout >= 0 && (timeout < 0 || glibTimeout < timeout)) {
            timeout = glibTimeout;
        }
        const int ready = poll(fds.data(), fds.size(), timeout);
        const bool interrupted = ready < 0 && errno == EINTR;
        if (ready <= 0) {
            for (pollfd& p : fds) {
                p.revents = 0;
            }
        }
        glib.Dispatch(fds);
        const short x = fds[0].revents;
        return (ready >= 0 || interrupted) && (x == 0 || (x & POLLIN));
    }

    // True when a modal loop was ended because its window had gone.
    bool EndOrphanedLoops() {
        bool ended = false;
        for (auto& [hwnd, n] : natives) {
            if (!n.xid && win::ModalLoop::IsRunning(hwnd)) {
                ended = win::ModalLoop::End(hwnd, IDCANCEL) || ended;
            }
        }
        return ended;
    }

    Cursor FontCursor(unsigned glyph) {
        auto [it, added] = cursors.try_emplace(glyph, 0);
        if (added) {
            it->second = XCreateFontCursor(display, glyph);
        }
        return it->second;
    }

    bool AwaitingExpose() const {
        for (const auto& [hwnd, n] : natives) {
            if (n.mapped && !n.exposed) {
                return true;
            }
        }
        return false;
    }

    // Mapped only while shown with an area: X has no empty windows.
    void UpdateMapping(Native& n) {
        const bool want = n.shown && n.size.cx > 0 && n.size.cy > 0;
        if (want == n.mapped) {
            return;
        }
        n.mapped = want;
        n.exposed = false;
        if (want) {
            n.framed ? XMapWindow(display, n.xid) : XMapRaised(display, n.xid);
        } else if (n.framed) {
            XWithdrawWindow(display, n.xid, DefaultScreen(display));
        } else {
            XUnmapWindow(display, n.xid);
        }
    }

    void Dispatch(XEvent& e) {
        if (clipboard.Handle(e) || inputMethod.Filter(e)) {
            return;
        }
        if (e.type == FocusIn || e.type == FocusOut) {
            inputMethod.Focus(e.xfocus.window, e.type == FocusIn);
        }
        if (e.type == MappingNotify) {
            XRefreshKeyboardMapping(&e.xmapping);
            return;
        }
        auto it = byXid.find(e.xany.window);
        Native* n = it == byXid.end() ? nullptr : Find(it->second);
        if (!n) {
            return;
        }
        if (e.type == DestroyNotify) {
            Gone(it->second, *n);
            return;
        }
        if (e.type == Expose) {
            n->exposed = true;
            const gfx::Surface* s = win::WindowSurface(it->second);
            const XExposeEvent& x = e.xexpose;
            const int f = gfx::DisplayScale();
            if (s) {
                n->presenter->Present(
                    n->xid, *s,
                    gfx::Region(RECT{x.x / f, x.y / f, (x.x + x.width + f - 1) / f,
                                     (x.y + x.height + f - 1) / f}));
            }
            return;
        }
        if (e.type == FocusOut || e.type == FocusIn) {
            FocusChanged(e.xfocus);
        } else if (e.type == ConfigureNotify && e.xconfigure.send_event && n->framed) {
            MovedByManager(it->second, e.xconfigure);
        }
        events.Handle(it->second, e, n->framed);
    }

    // The keyboard left this process for another client, or came back.
    void FocusChanged(const XFocusChangeEvent& e) {
        if (e.mode != NotifyNormal && e.mode != NotifyWhileGrabbed) {
            return;
        }
        ::Window focus = 0;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        const bool ours = byXid.count(focus) != 0;
        if (ours == active) {
            return;
        }
        active = ours;
        ours ? RaisePopups() : LeftForAnotherClient();
    }

    // What Win32 tells a process that loses the foreground: modes are cancelled (a held
    // capture, an open list), whatever is active is deactivated and loses the focus; popups
    // sink with their owner instead of floating over the other application.
    void LeftForAnotherClient() {
        CancelModes();
        if (const HWND was = GetActiveWindow()) {
            win::NativeActivated(was, false);
        }
        for (auto& [hwnd, n] : natives) {
            if (!n.framed && n.mapped) {
                StackAboveOwner(hwnd, n);
            }
        }
    }

    void CancelModes() {
        const HWND capture = GetCapture();
        if (capture) {
            SendMessageA(capture, WM_CANCELMODE, 0, 0);
        }
        if (capture && GetCapture() == capture) {
            ReleaseCapture();
        }
    }

    void StackAboveOwner(HWND hwnd, const Native& popup) {
        HWND owner = GetWindow(hwnd, GW_OWNER);
        while (owner && !Find(owner)) {
            owner = GetParent(owner);
        }
        const Native* top = owner ? Find(owner) : nullptr;
        ::Window frame = top ? top->xid : 0;
        for (::Window up = frame; up && up != root;) {
            frame = up;
            ::Window rootReturn = 0;
            ::Window* children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(display, frame, &rootReturn, &up, &children, &count)) {
                return;
            }
            if (children) {
                XFree(children);
            }
        }
        XWindowChanges changes{};
        changes.sibling = frame;
        changes.stack_mode = frame ? Above : Below;
        XConfigureWindow(display, popup.xid, frame ? CWSibling | CWStackMode : CWStackMode,
                         &changes);
    }

    void RaisePopups() {
        for (auto& [hwnd, n] : natives) {
            if (!n.framed && n.mapped && n.xid) {
                XRaiseWindow(display, n.xid);
            }
        }
    }

    // The window manager moved a dialog (its frame was dragged): as on Win32, modes are
    // cancelled and the dialog is activated in place of a popup of its own.
    void MovedByManager(HWND hwnd, const XConfigureEvent& e) {
        RECT r{};
        if (!GetWindowRect(hwnd, &r) || (r.left == e.x && r.top == e.y)) {
            return;
        }
        CancelModes();
        const HWND current = GetActiveWindow();
        if (current && current != hwnd && GetWindow(current, GW_OWNER)) {
            win::NativeActivated(hwnd, true);
        }
    }

    Display* display;
    Visual* visual;
    int depth;
    X11PixelFormat format;
    bool shm;
    bool lost = false;  // the server went away: nothing more is sent
    bool active = true; // the keyboard is with one of our windows (as far as we know)
    ::Window root = 0;
    Colormap colormap = 0;
    bool ownColormap = false;
    X11WindowHints hints;
    X11InputMethod inputMethod;
    X11Events events;
    X11Clipboard clipboard;
    // None until the first WM_SETCURSOR: a new window shows its parent's pointer meanwhile, as
    // other toolkits' windows do, and the cursor theme is not loaded before the first frame.
    Cursor cursor = None;
    std::map<unsigned, Cursor> cursors;
    std::map<HWND, Native> natives;
    std::map<::Window, HWND> byXid;
};

std::unique_ptr<X11Backend> X11Backend::Open(const char* displayName, bool shm, std::string* why) {
    X11ErrorTrap::Scope trap;
    std::string problem;
    Display* display = X11Connection::Open(displayName, problem);
    XVisualInfo info{};
    int bitsPerPixel = 0;
    if (display && !X11PixelFormat::Choose(display, info, bitsPerPixel)) {
        problem = std::string("the X display ") + DisplayString(display) +
                  " has no TrueColor visual of depth 15, 16, 24 or 30 to draw on";
        XCloseDisplay(display);
        display = nullptr;
    }
    if (!display) {
        if (why) {
            *why = problem;
        }
        return nullptr;
    }
    const X11PixelFormat format(info.red_mask, info.green_mask, info.blue_mask, bitsPerPixel);
    // QVSQL_SCALE wins over the desktop's Xft.dpi.
    const char* resources = XResourceManagerString(display);
    const int fromEnvironment = gfx::ScaleFromEnvironment();
    gfx::SetDisplayScale(fromEnvironment ? fromEnvironment
                                         : gfx::ScaleFromResources(resources ? resources : ""));
    int major = 0;
    int minor = 0;
    Bool pixmaps = False;
    const bool useShm =
        shm && IsLocal(display) && XShmQueryVersion(display, &major, &minor, &pixmaps);
    return std::unique_ptr<X11Backend>(
        new X11Backend(std::make_unique<Impl>(display, info, format, useShm)));
}

X11Backend::X11Backend(std::unique_ptr<Impl> i) : impl(std::move(i)) {}

X11Backend::~X11Backend() = default;

DWORD X11Backend::Now() const {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    const auto ms = static_cast<unsigned long long>(t.tv_sec) * 1000ull +
                    static_cast<unsigned long long>(t.tv_nsec) / 1000000ull;
    return static_cast<DWORD>(ms);
}

SIZE X11Backend::ScreenSize() const {
    const int screen = DefaultScreen(impl->display);
    return {DisplayWidth(impl->display, screen) / gfx::DisplayScale(),
            DisplayHeight(impl->display, screen) / gfx::DisplayScale()};
}

void X11Backend::CreateNative(HWND hwnd, const RECT& r) {
    X11ErrorTrap::Scope trap;
    if (!hwnd || impl->Find(hwnd) || impl->lost) {
        return;
    }
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    Impl::Native n;
    n.framed = (style & WS_CAPTION) == WS_CAPTION;
    const int f = gfx::DisplayScale();
    n.size = {(r.right - r.left) * f, (r.bottom - r.top) * f};
    XSetWindowAttributes a{};
    a.override_redirect = n.framed ? False : True;
    a.event_mask = EventMask;
    a.colormap = impl->colormap;
    a.border_pixel = 0;
    a.background_pixmap = None;
    a.bit_gravity = NorthWestGravity;
    a.cursor = impl->cursor;
    const unsigned long mask = CWOverrideRedirect | CWEventMask | CWColormap | CWBorderPixel |
                               CWBackPixmap | CWBitGravity | CWCursor;
    n.xid = XCreateWindow(impl->display, impl->root, r.left * f, r.top * f, Side(n.size.cx),
                          Side(n.size.cy), 0, impl->depth, InputOutput, impl->visual, mask, &a);
    impl->inputMethod.Attach(n.xid);
    if (n.framed) {
        Impl::Native* owner = impl->Find(GetWindow(hwnd, GW_OWNER));
        const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
        n.owned = owner != nullptr;
        impl->hints.Decorate(n.xid, n.size, owner ? owner->xid : 0,
                             (exStyle & WS_EX_DLGMODALFRAME) != 0 || (style & DS_MODALFRAME) != 0);
    }
    n.presenter = std::make_unique<X11Presenter>(impl->display, impl->visual, impl->depth,
                                                 impl->format, impl->shm);
    impl->byXid[n.xid] = hwnd;
    impl->natives[hwnd] = std::move(n);
}

void X11Backend::MoveNative(HWND hwnd, const RECT& r) {
    X11ErrorTrap::Scope trap;
    Impl::Native* n = impl->Live(hwnd);
    if (!n) {
        return;
    }
    const int f = gfx::DisplayScale();
    const SIZE size{(r.right - r.left) * f, (r.bottom - r.top) * f};
    if (n->framed && (size.cx != n->size.cx || size.cy != n->size.cy)) {
        impl->hints.FixSize(n->xid, size);
    }
    n->size = size;
    XMoveResizeWindow(impl->display, n->xid, r.left * f, r.top * f, Side(size.cx), Side(size.cy));
    impl->UpdateMapping(*n);
}

void X11Backend::ShowNative(HWND hwnd, bool visible) {
    X11ErrorTrap::Scope trap;
    if (Impl::Native* n = impl->Live(hwnd)) {
        if (visible && n->framed && !n->owned && !n->placed) {
            impl->PlaceOverHost(hwnd, *n);
        }
        n->placed = n->placed || visible;
        n->shown = visible;
        impl->UpdateMapping(*n);
        XFlush(impl->display);
    }
}

void X11Backend::SetNativeTitle(HWND hwnd, const std::string& title) {
    X11ErrorTrap::Scope trap;
    if (Impl::Native* n = impl->Live(hwnd)) {
        impl->hints.SetTitle(n->xid, title);
    }
}

void X11Backend::DestroyNative(HWND hwnd) {
    X11ErrorTrap::Scope trap;
    auto it = impl->natives.find(hwnd);
    if (it == impl->natives.end()) {
        return;
    }
    it->second.presenter.reset();
    if (it->second.xid && !impl->lost) {
        impl->inputMethod.Detach(it->second.xid);
        XDestroyWindow(impl->display, it->second.xid);
        XFlush(impl->display); // gone from the screen now, not at the next call
    }
    impl->byXid.erase(it->second.xid);
    impl->natives.erase(it);
    if (impl->natives.empty() && !impl->lost) {
        impl->clipboard.Release(); // nobody would answer for it until the next window
    }
}

void X11Backend::Present(HWND hwnd, const gfx::Surface& surface, const gfx::Region& dirty) {
    X11ErrorTrap::Scope trap;
    Impl::Native* n = impl->Live(hwnd);
    // Before the first Expose the window may not show yet; the Expose presents what was
    // drawn meanwhile, so the first frame goes out once.
    if (n && n->mapped && n->exposed) {
        n->presenter->Present(n->xid, surface, dirty);
    }
}

void X11Backend::SetCursorShape(HCURSOR cursor) {
    X11ErrorTrap::Scope trap;
    if (impl->lost) {
        return;
    }
    unsigned glyph = XC_left_ptr;
    for (const Shape& s : Shapes) {
        if (cursor && LoadCursorA(nullptr, s.id) == cursor) {
            glyph = s.glyph;
        }
    }
    impl->cursor = impl->FontCursor(glyph);
    for (auto& [hwnd, n] : impl->natives) {
        if (n.xid) {
            XDefineCursor(impl->display, n.xid, impl->cursor);
        }
    }
}

bool X11Backend::ProcessEvents() {
    X11ErrorTrap::Scope trap;
    int handled = 0;
    while (handled < EventBatch && !impl->lost && XPending(impl->display) > 0) {
        XEvent e;
        XNextEvent(impl->display, &e);
        impl->Dispatch(e);
        ++handled;
    }
    return handled > 0;
}

bool X11Backend::WaitForInput(DWORD deadline) {
    X11ErrorTrap::Scope trap;
    for (;;) {
        if (ProcessEvents()) {
            return true;
        }
        if (impl->lost) {
            return false;
        }
        if (impl->EndOrphanedLoops()) {
            return true;
        }
        if (!impl->AwaitingExpose()) {
            impl->inputMethod.Open(); // idle, with every mapped window shown
        }
        int timeout = -1;
        if (deadline != 0) {
            const auto left = static_cast<std::int32_t>(deadline - Now());
            if (left <= 0) {
                return true;
            }
            timeout = left;
        }
        if (!impl->Poll(timeout)) {
            return false;
        }
    }
}

void X11Backend::OfferText(win::Selection which, const std::string& text) {
    X11ErrorTrap::Scope trap;
    if (!impl->lost) {
        impl->clipboard.Offer(which, text);
    }
}

std::optional<std::string> X11Backend::ReadText(win::Selection which) {
    X11ErrorTrap::Scope trap;
    return impl->lost ? std::string() : impl->clipboard.Read(which);
}

unsigned long X11Backend::NativeWindow(HWND hwnd) const {
    const Impl::Native* n = impl->Find(hwnd);
    return n ? n->xid : 0;
}

bool X11Backend::Connected() const {
    return !impl->lost;
}

bool X11Backend::UsesSharedMemory(HWND hwnd) const {
    const Impl::Native* n = impl->Find(hwnd);
    return n && n->presenter->UsesSharedMemory();
}

} // namespace backend
