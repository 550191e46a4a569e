#include "platform/backend/X11WindowHints.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace backend {

namespace {

int Side(LONG v) {
    return static_cast<int>(std::clamp<LONG>(v, 1, 32767));
}

bool IsAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return (c & 0x80) == 0; });
}

} // namespace

X11WindowHints::X11WindowHints(Display* d)
    : display(d), wmProtocols(XInternAtom(d, "WM_PROTOCOLS", False)),
      wmDeleteWindow(XInternAtom(d, "WM_DELETE_WINDOW", False)),
      netWmName(XInternAtom(d, "_NET_WM_NAME", False)),
      utf8String(XInternAtom(d, "UTF8_STRING", False)) {}

void X11WindowHints::Decorate(::Window window, SIZE size, ::Window owner) {
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
    if (owner) {
        XSetTransientForHint(display, window, owner);
    }
    FixSize(window, size);
}

// The position is the client area's own (static gravity), as the window system placed it.
void X11WindowHints::FixSize(::Window window, SIZE size) {
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) {
        return;
    }
    hints->flags = PMinSize | PMaxSize | USPosition | PPosition | PWinGravity;
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

} // namespace backend
