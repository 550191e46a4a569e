#include "tests/platform/SelectionPeer.h"

#include "tests/support/XPeer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <poll.h>

namespace x11test {

namespace {

constexpr auto WaitLimit = std::chrono::seconds(5);
constexpr std::size_t HugeChunk = std::size_t{1} << 20;
constexpr std::size_t HugeTotal = std::size_t{100} << 20;

void Put(Display* d, ::Window w, Atom property, Atom type, const std::string& bytes) {
    XChangeProperty(d, w, property, type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<int>(bytes.size()));
}

// Sends 1 MB chunks of an INCR transfer as long as the reader deletes them, up to 100 MB.
void FeedChunks(Display* d, ::Window to, Atom property, Atom type, const std::atomic<bool>& stop) {
    const std::string chunk(HugeChunk, 'x');
    for (std::size_t sent = 0; sent < HugeTotal && !stop;) {
        XEvent next;
        if (XCheckTypedWindowEvent(d, to, PropertyNotify, &next)) {
            if (next.xproperty.atom == property && next.xproperty.state == PropertyDelete) {
                Put(d, to, property, type, chunk);
                sent += chunk.size();
                XFlush(d);
            }
        } else {
            pollfd q{ConnectionNumber(d), POLLIN, 0};
            poll(&q, 1, 20);
        }
    }
}

// Answers one request as told: the text in one form, junk, or a huge INCR announcement.
void Respond(Display* d, const XSelectionRequestEvent& r, SelectionPeer::Answer answer,
             const std::string& text, const std::atomic<bool>& stop) {
    using Answer = SelectionPeer::Answer;
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    XEvent reply{};
    reply.xselection = {SelectionNotify, 0,        True, d,     r.requestor,
                        r.selection,     r.target, None, r.time};
    if (answer == Answer::Utf8 && r.target == utf8) {
        Put(d, r.requestor, r.property, utf8, text);
        reply.xselection.property = r.property;
    } else if (answer == Answer::StringOnly && r.target == XA_STRING) {
        Put(d, r.requestor, r.property, XA_STRING, text);
        reply.xselection.property = r.property;
    } else if (answer == Answer::Garbage) {
        const long junk[3] = {1, 2, 3};
        XChangeProperty(d, r.requestor, r.property, XA_INTEGER, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(junk), 3);
        reply.xselection.property = r.property;
    } else if (answer == Answer::Huge && r.target == utf8) {
        XSelectInput(d, r.requestor, PropertyChangeMask);
        const long size = static_cast<long>(HugeTotal);
        XChangeProperty(d, r.requestor, r.property, XInternAtom(d, "INCR", False), 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&size), 1);
        reply.xselection.property = r.property;
    }
    XSendEvent(d, r.requestor, False, NoEventMask, &reply);
    XFlush(d);
    if (answer == Answer::Huge && reply.xselection.property != None) {
        FeedChunks(d, r.requestor, r.property, utf8, stop);
    }
}

} // namespace

XAtom SelectionPeer::Intern(const char* atom) const {
    return XInternAtom(display, atom, False);
}

SelectionPeer::SelectionPeer(const std::string& displayName) : name(displayName) {
    display = XOpenDisplay(name.c_str());
    if (display) {
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XSelectInput(display, window, PropertyChangeMask);
    }
}

SelectionPeer::~SelectionPeer() {
    stop = true;
    if (owner.joinable()) {
        owner.join();
    }
    if (display) {
        XCloseDisplay(display);
    }
}

bool SelectionPeer::WaitFor(int type, XEvent* e, const std::function<void()>& pump) {
    const auto end = std::chrono::steady_clock::now() + WaitLimit;
    while (std::chrono::steady_clock::now() < end) {
        XFlush(display);
        if (XCheckTypedWindowEvent(display, window, type, e)) {
            return true;
        }
        pump();
    }
    return false;
}

SelectionPeer::Reply SelectionPeer::Convert(Atom selection, Atom target,
                                            const std::function<void()>& pump) {
    const Atom property = Intern("PEER_REPLY");
    XConvertSelection(display, selection, target, property, window, CurrentTime);
    XEvent e;
    Reply reply;
    if (!WaitFor(SelectionNotify, &e, pump) || e.xselection.property == None) {
        return reply;
    }
    reply.bytes = PropertyBytes(display, window, property, &reply.type, nullptr, true);
    if (reply.type != Intern("INCR")) {
        return reply;
    }
    reply.incremental = true;
    reply.bytes.clear();
    while (XCheckTypedWindowEvent(display, window, PropertyNotify, &e)) {
        // the announcement's own notifications, not chunks
    }
    for (;;) {
        if (!WaitFor(PropertyNotify, &e, pump)) {
            return {};
        }
        if (e.xproperty.state != PropertyNewValue) {
            continue;
        }
        const std::string chunk =
            PropertyBytes(display, window, property, &reply.type, nullptr, true);
        if (chunk.empty()) {
            return reply;
        }
        reply.bytes += chunk;
    }
}

void SelectionPeer::Own(Atom selection, Answer answer, std::string text) {
    owner = std::thread(
        [this, selection, answer, text = std::move(text)] { Serve(selection, answer, text); });
    Eventually([this] { return owning.load(); });
}

// The owner's loop, on its own connection: the test's thread only joins it.
void SelectionPeer::Serve(Atom selection, Answer answer, std::string text) {
    Display* d = XOpenDisplay(name.c_str());
    if (!d) {
        return;
    }
    XSetSelectionOwner(d, selection,
                       XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0),
                       CurrentTime);
    XSync(d, False);
    owning = true;
    while (!stop) {
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        if (XPending(d) == 0 && poll(&p, 1, 20) <= 0) {
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == SelectionRequest && answer != Answer::Silent) {
            Respond(d, e.xselectionrequest, answer, text, stop);
        }
    }
    XCloseDisplay(d);
}

} // namespace x11test
