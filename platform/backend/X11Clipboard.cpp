#include "platform/backend/X11Clipboard.h"

#include "platform/backend/SelectionText.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <poll.h>

namespace backend {

namespace {

constexpr std::size_t LargestChunk = std::size_t{256} << 10;
constexpr std::size_t RequestOverhead = 100;
constexpr unsigned long StaleWriterMs = 10000;
constexpr std::size_t MaxWriters = 16;

long NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

Time EventTime(const XEvent& e) {
    switch (e.type) {
    case KeyPress:
    case KeyRelease:
        return e.xkey.time;
    case ButtonPress:
    case ButtonRelease:
        return e.xbutton.time;
    case MotionNotify:
        return e.xmotion.time;
    case EnterNotify:
    case LeaveNotify:
        return e.xcrossing.time;
    case PropertyNotify:
        return e.xproperty.time;
    default:
        return CurrentTime;
    }
}

SelectionReader::Kind KindOf(Atom type, Atom utf8, Atom incr) {
    return type == utf8        ? SelectionReader::Kind::Utf8
           : type == XA_STRING ? SelectionReader::Kind::Latin1
           : type == incr      ? SelectionReader::Kind::Incr
                               : SelectionReader::Kind::Other;
}

} // namespace

X11Clipboard::X11Clipboard(Display* d) : display(d) {
    const char* names[] = {"CLIPBOARD", "TARGETS", "TIMESTAMP",      "UTF8_STRING",
                           "TEXT",      "INCR",    "QVSQL_SELECTION"};
    Atom atoms[std::size(names)] = {};
    XInternAtoms(display, const_cast<char**>(names), std::size(names), False, atoms);
    clipboard = atoms[0];
    targets = atoms[1];
    timestamp = atoms[2];
    utf8 = atoms[3];
    text = atoms[4];
    incr = atoms[5];
    transfer = atoms[6];
    long longs = XExtendedMaxRequestSize(display);
    longs = longs > 0 ? longs : XMaxRequestSize(display);
    const auto bytes = static_cast<std::size_t>(std::max(longs, 1024L)) * 4;
    chunkBytes = std::min(LargestChunk, bytes - RequestOverhead);
}

::Window X11Clipboard::Window() {
    if (!window) {
        XSetWindowAttributes a{};
        a.event_mask = PropertyChangeMask;
        a.override_redirect = True;
        window = XCreateWindow(display, DefaultRootWindow(display), -1, -1, 1, 1, 0, 0, InputOnly,
                               CopyFromParent, CWEventMask | CWOverrideRedirect, &a);
    }
    return window;
}

Atom X11Clipboard::AtomOf(win::Selection which) const {
    return which == win::Selection::Primary ? XA_PRIMARY : clipboard;
}

X11Clipboard::Owned* X11Clipboard::OwnedFor(Atom selection) {
    return selection == clipboard ? &owned[0] : selection == XA_PRIMARY ? &owned[1] : nullptr;
}

void X11Clipboard::Offer(win::Selection which, const std::string& value) {
    const Atom selection = AtomOf(which);
    Owned& o = *OwnedFor(selection);
    o.text = value;
    if (o.owner) {
        return;
    }
    const ::Window w = Window();
    XSetSelectionOwner(display, selection, w, lastTime);
    o.owner = XGetSelectionOwner(display, selection) == w;
    o.since = lastTime;
}

void X11Clipboard::Release() {
    for (win::Selection which : {win::Selection::Clipboard, win::Selection::Primary}) {
        Owned& o = *OwnedFor(AtomOf(which));
        if (o.owner && XGetSelectionOwner(display, AtomOf(which)) == window) {
            XSetSelectionOwner(display, AtomOf(which), None, CurrentTime);
        }
        o = {};
    }
    for (const SelectionWriter& w : writers) {
        XSelectInput(display, w.Requestor(), NoEventMask);
    }
    writers.clear();
    XFlush(display);
}

void X11Clipboard::Note(const XEvent& e) {
    const Time t = EventTime(e);
    if (t != CurrentTime) {
        lastTime = t;
    }
}

bool X11Clipboard::Served(::Window w) const {
    return std::any_of(writers.begin(), writers.end(),
                       [w](const SelectionWriter& s) { return s.Requestor() == w; });
}

bool X11Clipboard::Handle(const XEvent& e) {
    Note(e);
    switch (e.type) {
    case SelectionRequest:
        if (!window || e.xselectionrequest.owner != window) {
            return false;
        }
        Answer(e.xselectionrequest);
        return true;
    case SelectionClear:
        if (!window || e.xselectionclear.window != window) {
            return false;
        }
        if (Owned* o = OwnedFor(e.xselectionclear.selection)) {
            *o = {};
        }
        return true;
    case SelectionNotify:
        return window && e.xselection.requestor == window; // a reply that came too late
    case PropertyNotify:
        if (window && e.xproperty.window == window) {
            return true;
        }
        if (!Served(e.xproperty.window)) {
            return false;
        }
        Continue(e.xproperty);
        return true;
    default:
        return false;
    }
}

void X11Clipboard::Answer(const XSelectionRequestEvent& r) {
    XEvent reply{};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = display;
    reply.xselection.requestor = r.requestor;
    reply.xselection.selection = r.selection;
    reply.xselection.target = r.target;
    reply.xselection.time = r.time;
    reply.xselection.property = None;
    const Atom property = r.property != None ? r.property : r.target; // old clients
    const Owned* o = OwnedFor(r.selection);
    const bool current =
        o && o->owner && (r.time == CurrentTime || o->since == CurrentTime || r.time >= o->since);
    if (current && Convert(r, property)) {
        reply.xselection.property = property;
    }
    XSendEvent(display, r.requestor, False, NoEventMask, &reply);
    XFlush(display);
}

bool X11Clipboard::Convert(const XSelectionRequestEvent& r, Atom property) {
    const Owned& o = *OwnedFor(r.selection);
    if (r.target == targets) {
        PutTargets(r.requestor, property);
    } else if (r.target == timestamp) {
        const long since = static_cast<long>(o.since);
        XChangeProperty(display, r.requestor, property, XA_INTEGER, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&since), 1);
    } else if (r.target == utf8) {
        PutText(r.requestor, property, utf8, SelectionText::ToUtf8(o.text));
    } else if (r.target == XA_STRING) {
        PutText(r.requestor, property, XA_STRING, SelectionText::ToLatin1(o.text));
    } else if (r.target == text) {
        const bool latin1 = SelectionText::FitsLatin1(o.text);
        PutText(r.requestor, property, latin1 ? XA_STRING : utf8,
                latin1 ? SelectionText::ToLatin1(o.text) : SelectionText::ToUtf8(o.text));
    } else {
        return false;
    }
    return true;
}

void X11Clipboard::PutTargets(::Window requestor, Atom property) {
    const Atom list[] = {targets, timestamp, utf8, XA_STRING, text};
    XChangeProperty(display, requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(list), std::size(list));
}

void X11Clipboard::PutText(::Window requestor, Atom property, Atom type, std::string data) {
    if (data.size() <= chunkBytes) {
        XChangeProperty(display, requestor, property, type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size()));
        return;
    }
    DropFinished();
    if (writers.size() >= MaxWriters) {
        XSelectInput(display, writers.front().Requestor(), NoEventMask);
        writers.erase(writers.begin());
    }
    XSelectInput(display, requestor, PropertyChangeMask);
    const long size = static_cast<long>(data.size());
    XChangeProperty(display, requestor, property, incr, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&size), 1);
    writers.emplace_back(requestor, property, type, std::move(data), chunkBytes,
                         static_cast<unsigned long>(NowMs()));
}

void X11Clipboard::Continue(const XPropertyEvent& e) {
    if (e.state != PropertyDelete) {
        return;
    }
    for (SelectionWriter& w : writers) {
        if (w.Serves(e.window, e.atom)) {
            const std::string_view chunk = w.Deleted(static_cast<unsigned long>(NowMs()));
            XChangeProperty(display, w.Requestor(), w.Property(), w.Type(), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(chunk.data()),
                            static_cast<int>(chunk.size()));
        }
    }
    DropFinished();
    XFlush(display);
}

void X11Clipboard::DropFinished() {
    const auto now = static_cast<unsigned long>(NowMs());
    for (SelectionWriter& w : writers) {
        w.Expire(now, StaleWriterMs);
        if (w.Finished() && !Served(w.Requestor())) {
            XSelectInput(display, w.Requestor(), NoEventMask);
        }
    }
    std::erase_if(writers, [](const SelectionWriter& w) { return w.Finished(); });
}

std::string X11Clipboard::Read(win::Selection which) {
    const Atom selection = AtomOf(which);
    const ::Window owner = XGetSelectionOwner(display, selection);
    if (owner == None) {
        return {};
    }
    if (owner == window) {
        return OwnedFor(selection)->text;
    }
    XDeleteProperty(display, Window(), transfer);
    SelectionReader reader;
    Request(selection, reader.Start());
    const long start = NowMs();
    long deadline = start + ReplyWaitMs;
    XEvent e;
    while (!reader.Finished()) {
        if (!NextEvent(&e, std::min(deadline, start + TransferLimitMs))) {
            reader.Expire();
            std::fputs("qvsql: nothing pasted: the selection's owner did not answer in time\n",
                       stderr);
            break;
        }
        Step(reader, selection, e);
        deadline = NowMs() + ReplyWaitMs;
    }
    pending = None;
    return reader.Text();
}

SelectionReader::Request X11Clipboard::Request(Atom selection, SelectionReader::Request r) {
    if (r == SelectionReader::Request::ConvertUtf8 ||
        r == SelectionReader::Request::ConvertString) {
        pending = r == SelectionReader::Request::ConvertUtf8 ? utf8 : XA_STRING;
        XConvertSelection(display, selection, pending, transfer, Window(), CurrentTime);
        XFlush(display);
    }
    return r;
}

void X11Clipboard::Step(SelectionReader& reader, Atom selection, const XEvent& e) {
    if (e.type == SelectionNotify) {
        const XSelectionEvent& s = e.xselection;
        if (s.selection == selection && s.target == pending) {
            Request(selection, s.property == None ? reader.Refused() : ReadReply(reader, false));
        }
        return;
    }
    const bool chunk = e.type == PropertyNotify && e.xproperty.window == window &&
                       e.xproperty.atom == transfer && e.xproperty.state == PropertyNewValue;
    if (chunk && reader.Current() == SelectionReader::State::Incremental) {
        ReadReply(reader, true);
        return;
    }
    Handle(e);
}

SelectionReader::Request X11Clipboard::ReadReply(SelectionReader& reader, bool chunk) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const long longs = static_cast<long>(SelectionReader::MaxBytes / 4 + 1);
    const bool read = XGetWindowProperty(display, window, transfer, 0, longs, True, AnyPropertyType,
                                         &type, &format, &count, &after, &data) == Success;
    const SelectionReader::Kind kind =
        read ? KindOf(type, utf8, incr) : SelectionReader::Kind::Other;
    const std::string_view bytes(format == 8 && data ? reinterpret_cast<const char*>(data) : "",
                                 format == 8 && data ? count : 0);
    const SelectionReader::Request next = chunk ? reader.Chunk(kind, format, bytes, after > 0)
                                                : reader.Received(kind, format, bytes, after > 0);
    if (data) {
        XFree(data);
    }
    if (reader.Current() == SelectionReader::State::Failed) {
        std::fputs("qvsql: nothing pasted: the selection's owner sent no usable text\n", stderr);
    }
    return next;
}

Bool X11Clipboard::IsMine(Display*, XEvent* e, XPointer self) {
    const auto* c = reinterpret_cast<const X11Clipboard*>(self);
    switch (e->type) {
    case SelectionNotify:
        return e->xselection.requestor == c->window;
    case SelectionRequest:
        return e->xselectionrequest.owner == c->window;
    case SelectionClear:
        return e->xselectionclear.window == c->window;
    case PropertyNotify:
        return e->xproperty.window == c->window || c->Served(e->xproperty.window);
    default:
        return False;
    }
}

bool X11Clipboard::NextEvent(XEvent* e, long deadlineMs) {
    for (;;) {
        if (XCheckIfEvent(display, e, &IsMine, reinterpret_cast<XPointer>(this))) {
            return true;
        }
        const long left = deadlineMs - NowMs();
        if (left <= 0) {
            return false;
        }
        pollfd p{ConnectionNumber(display), POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left));
        if ((ready < 0 && errno != EINTR) || (ready > 0 && !(p.revents & POLLIN))) {
            return false;
        }
    }
}

} // namespace backend
