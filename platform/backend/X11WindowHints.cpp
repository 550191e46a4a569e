#include "platform/backend/X11WindowHints.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace backend {

namespace {

int Side(LONG v) {
    return static_cast<int>(std::clamp<LONG>(v, 1, 32767));
}

bool IsAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}

std::vector<unsigned long>& Icon() {
    static std::vector<unsigned long> icon;
    return icon;
}

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    return gethostname(name, sizeof name - 1) == 0 ? std::string(name) : std::string();
}

} // namespace

X11WindowHints::X11WindowHints(Display* d)
    : display(d), wmProtocols(XInternAtom(d, "WM_PROTOCOLS", False)),
      wmDeleteWindow(XInternAtom(d, "WM_DELETE_WINDOW", False)),
      netWmName(XInternAtom(d, "_NET_WM_NAME", False)),
      utf8String(XInternAtom(d, "UTF8_STRING", False)) {}

void X11WindowHints::SetIcon(std::vector<unsigned long> icon) {
    Icon() = std::move(icon);
}

Atom X11WindowHints::Intern(const char* name) const {
    return XInternAtom(display, name, False);
}

void X11WindowHints::SetCardinals(::Window window, const char* property, Atom type,
                                  const std::vector<unsigned long>& values) const {
    XChangeProperty(display, window, Intern(property), type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values.data()),
                    static_cast<int>(values.size()));
}

std::vector<unsigned long> X11WindowHints::Cardinals(::Window window, const char* property) const {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display, window, Intern(property), 0, 1, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 1) {
        values.push_back(*reinterpret_cast<unsigned long*>(data));
    }
    if (data) {
        XFree(data);
    }
    return values;
}

void X11WindowHints::Decorate(::Window window, SIZE size, ::Window owner, bool modal) {
    Atom protocols[] = {wmDeleteWindow};
    XSetWMProtocols(display, window, protocols, 1);
    if (XWMHints* wm = XAllocWMHints()) {
        wm->flags = InputHint | StateHint;
        wm->input = True;
        wm->initial_state = NormalState;
        XSetWMHints(display, window, wm);
        XFree(wm);
    }
    if (XClassHint* cls = XAllocClassHint()) {
        char name[] = "qvsql";
        char className[] = "QvSQLBuilder";
        cls->res_name = name;
        cls->res_class = className;
        XSetClassHint(display, window, cls);
        XFree(cls);
    }
    SetCardinals(window, "_NET_WM_WINDOW_TYPE", XA_ATOM, {Intern("_NET_WM_WINDOW_TYPE_DIALOG")});
    if (modal) {
        SetCardinals(window, "_NET_WM_STATE", XA_ATOM, {Intern("_NET_WM_STATE_MODAL")});
    }
    SetCardinals(window, "_NET_WM_PID", XA_CARDINAL, {static_cast<unsigned long>(getpid())});
    const std::string machine = HostName();
    XChangeProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(machine.data()),
                    static_cast<int>(machine.size()));
    if (!Icon().empty()) {
        SetCardinals(window, "_NET_WM_ICON", XA_CARDINAL, Icon());
    }
    SetOwner(window, owner);
    FixSize(window, size);
}

void X11WindowHints::SetOwner(::Window window, ::Window owner) {
    if (owner) {
        XSetTransientForHint(display, window, owner);
    }
}

// The position is the client area's own (static gravity), as the program placed it; no
// user-given position is claimed.
void X11WindowHints::FixSize(::Window window, SIZE size) {
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) {
        return;
    }
    hints->flags = PMinSize | PMaxSize | PPosition | PWinGravity;
    hints->min_width = hints->max_width = Side(size.cx);
    hints->min_height = hints->max_height = Side(size.cy);
    hints->win_gravity = StaticGravity;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

void X11WindowHints::SetTitle(::Window window, const std::string& title) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(title.data());
    const int length = static_cast<int>(std::min<std::size_t>(title.size(), 65536));
    XChangeProperty(display, window, netWmName, utf8String, 8, PropModeReplace, bytes, length);
    const Atom plain = IsAscii(title) ? XA_STRING : utf8String;
    XChangeProperty(display, window, XA_WM_NAME, plain, 8, PropModeReplace, bytes, length);
}

::Window X11WindowHints::ActiveWindowOfThisProcess() const {
    const auto active = Cardinals(DefaultRootWindow(display), "_NET_ACTIVE_WINDOW");
    if (active.empty() || active[0] == 0) {
        return 0;
    }
    const auto window = static_cast<::Window>(active[0]);
    const auto pid = Cardinals(window, "_NET_WM_PID");
    if (pid.empty() || pid[0] != static_cast<unsigned long>(getpid())) {
        return 0;
    }
    XTextProperty machine{};
    bool here = true;
    if (XGetWMClientMachine(display, window, &machine) && machine.value) {
        here = std::string(reinterpret_cast<char*>(machine.value), machine.nitems) == HostName();
        XFree(machine.value);
    }
    return here ? window : 0;
}

} // namespace backend
