#pragma once
// The X selections CLIPBOARD and PRIMARY for the window system's clipboard: owning them with
// a hidden window and answering TARGETS, TIMESTAMP, UTF8_STRING, STRING and TEXT (INCR for
// long text), and reading another owner's text with a bounded wait that handles only the
// selection events it needs.
#include "platform/backend/SelectionReader.h"
#include "platform/backend/SelectionWriter.h"
#include "platform/win/Backend.h"

#include <X11/Xlib.h>

#include <array>
#include <string>
#include <vector>

namespace backend {

class X11Clipboard {
  public:
    // A reader gives up when the owner is silent this long.
    static constexpr int ReplyWaitMs = 1500;
    // and in any case after this long.
    static constexpr int TransferLimitMs = 5000;

    explicit X11Clipboard(Display* display);
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    void Offer(win::Selection which, const std::string& text);
    // The selection's text now; "" when nobody holds it or the owner fails to answer.
    std::string Read(win::Selection which);
    // Gives up both selections (nobody would answer for them any more).
    void Release();
    // Takes the selection events of this clipboard; false for every other event.
    bool Handle(const XEvent& e);

  private:
    struct Owned {
        std::string text;
        Time since = CurrentTime;
        bool owner = false;
    };

    ::Window Window();
    Atom AtomOf(win::Selection which) const;
    Owned* OwnedFor(Atom selection);
    void Note(const XEvent& e);
    void Answer(const XSelectionRequestEvent& request);
    bool Convert(const XSelectionRequestEvent& request, Atom property);
    void PutTargets(::Window requestor, Atom property);
    void PutText(::Window requestor, Atom property, Atom type, std::string data);
    void Continue(const XPropertyEvent& e);
    void DropFinished();

    // Reading from another owner.
    SelectionReader::Request Request(Atom selection, SelectionReader::Request request);
    bool Served(::Window window) const;
    bool NextEvent(XEvent* e, long deadlineMs);
    void Step(SelectionReader& reader, Atom selection, const XEvent& e);
    SelectionReader::Request ReadReply(SelectionReader& reader, bool chunk);
    static Bool IsMine(Display* display, XEvent* e, XPointer self);

    Display* display;
    ::Window window = 0;
    Atom clipboard = None;
    Atom targets = None;
    Atom timestamp = None;
    Atom utf8 = None;
    Atom text = None;
    Atom incr = None;
    Atom transfer = None; // the property replies arrive in
    std::array<Owned, 2> owned;
    std::vector<SelectionWriter> writers;
    Time lastTime = CurrentTime;
    Atom pending = None; // the target of the conversion awaited
    std::size_t chunkBytes;
};

} // namespace backend
