#include "platform/backend/X11Events.h"

#include "platform/backend/X11Keys.h"
#include "platform/gfx/DisplayScale.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace backend {

namespace {

constexpr int WheelStep = 120;

void Queue(win::InputKind kind, UINT key = 0, char ch = 0) {
    win::InputEvent e;
    e.kind = kind;
    e.key = key;
    e.ch = ch;
    win::QueueInput(e);
}

} // namespace

X11Events::X11Events(Display* d, Atom protocols, Atom deleteWindow, X11InputMethod& im)
    : display(d), wmProtocols(protocols), wmDeleteWindow(deleteWindow), inputMethod(im) {}

void X11Events::Handle(HWND hwnd, XEvent& event, bool framed) {
    switch (event.type) {
    case ButtonPress:
    case ButtonRelease:
        Button(event.xbutton, event.type == ButtonPress);
        break;
    case MotionNotify:
        Motion(gfx::LogicalFromPixel(event.xmotion.x_root),
               gfx::LogicalFromPixel(event.xmotion.y_root));
        break;
    case EnterNotify:
    case LeaveNotify:
        if (event.xcrossing.mode == NotifyNormal) {
            Motion(gfx::LogicalFromPixel(event.xcrossing.x_root),
                   gfx::LogicalFromPixel(event.xcrossing.y_root));
        }
        break;
    case KeyPress:
    case KeyRelease:
        Key(event.xkey, event.type == KeyPress);
        break;
    case FocusIn:
    case FocusOut:
        Focus(hwnd, event.xfocus);
        break;
    case ConfigureNotify:
        if (framed) {
            Configure(hwnd, event.xconfigure);
        }
        break;
    case ClientMessage:
        Client(hwnd, event.xclient);
        break;
    default:
        break;
    }
}

void X11Events::Button(const XButtonEvent& e, bool down) {
    win::InputEvent in;
    in.pt = {gfx::LogicalFromPixel(e.x_root), gfx::LogicalFromPixel(e.y_root)};
    if (e.button == Button4 || e.button == Button5) {
        if (down) {
            in.kind = win::InputKind::Wheel;
            in.wheelDelta = e.button == Button4 ? WheelStep : -WheelStep;
            win::QueueInput(in);
        }
        return;
    }
    if (e.button != Button1 && e.button != Button2 && e.button != Button3) {
        return;
    }
    in.kind = down ? win::InputKind::ButtonDown : win::InputKind::ButtonUp;
    in.button = e.button == Button1   ? win::MouseButton::Left
                : e.button == Button3 ? win::MouseButton::Right
                                      : win::MouseButton::Middle;
    win::QueueInput(in);
}

void X11Events::Motion(int x, int y) {
    win::InputEvent in;
    in.kind = win::InputKind::MouseMove;
    in.pt = {x, y};
    win::QueueInput(in);
}

// Servers without detectable auto-repeat send a release just before each repeated press.
bool X11Events::RepeatFollows(const XKeyEvent& release) {
    if (XEventsQueued(display, QueuedAfterReading) == 0) {
        return false;
    }
    XEvent next;
    XPeekEvent(display, &next);
    return next.type == KeyPress && next.xkey.keycode == release.keycode &&
           next.xkey.time == release.time;
}

void X11Events::Key(XKeyEvent& e, bool down) {
    const std::size_t code = e.keycode & 0xFF;
    if (!down) {
        if (pressed[code] && !RepeatFollows(e)) {
            Queue(win::InputKind::KeyUp, pressed[code]);
            pressed[code] = 0;
        }
        return;
    }
    KeySym keysym = NoSymbol;
    const std::string text = inputMethod.Lookup(e, &keysym);
    const bool shift = (e.state & ShiftMask) != 0;
    const win::KeyModifiers held{shift, (e.state & ControlMask) != 0, (e.state & Mod1Mask) != 0};
    const UINT vk = X11Keys::KeyFor(XLookupKeysym(&e, 0), keysym);
    const X11Keys::Press press = X11Keys::Resolve(vk, text, held);
    const bool addShift = keysym == XK_ISO_Left_Tab && !shift;
    if (press.vk) {
        if (addShift) {
            Queue(win::InputKind::KeyDown, VK_SHIFT);
        }
        Queue(win::InputKind::KeyDown, press.vk);
        if (addShift) {
            Queue(win::InputKind::KeyUp, VK_SHIFT);
        }
        pressed[code] = press.vk;
    }
    for (char c : press.chars) {
        Queue(win::InputKind::Char, 0, c);
    }
}

void X11Events::ReleaseKeys() {
    for (UINT& vk : pressed) {
        if (vk) {
            Queue(win::InputKind::KeyUp, vk);
            vk = 0;
        }
    }
}

void X11Events::Focus(HWND hwnd, const XFocusChangeEvent& e) {
    if (e.type == FocusOut) {
        ReleaseKeys(); // their releases go elsewhere now (Alt+Tab must not leave Alt down)
    }
    const bool grab = e.mode == NotifyGrab || e.mode == NotifyUngrab;
    if (grab || e.detail == NotifyPointer || e.detail == NotifyInferior) {
        return;
    }
    win::NativeActivated(hwnd, e.type == FocusIn);
}

// A reparenting window manager reports moves relative to its frame, or as synthetic events
// in root coordinates.
void X11Events::Configure(HWND hwnd, const XConfigureEvent& e) {
    POINT p{e.x, e.y};
    if (!e.send_event) {
        int x = 0;
        int y = 0;
        ::Window child = 0;
        if (!XTranslateCoordinates(display, e.window, DefaultRootWindow(display), 0, 0, &x, &y,
                                   &child)) {
            return;
        }
        p = {x, y};
    }
    win::NativeMoved(hwnd, POINT{gfx::LogicalFromPixel(p.x), gfx::LogicalFromPixel(p.y)});
}

void X11Events::Client(HWND hwnd, const XClientMessageEvent& e) {
    if (e.message_type == wmProtocols && e.format == 32 &&
        static_cast<Atom>(e.data.l[0]) == wmDeleteWindow) {
        PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

} // namespace backend
