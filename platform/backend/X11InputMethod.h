#pragma once
// The X input method: dead keys, the Compose key and input-method servers for the keys of
// our top-level windows, through one input context per window. Without an input method
// (none can be opened) keys are looked up directly, as before. Opening it reads the locale's
// compose table, about half the work of a first frame, so it waits until the display is idle
// or the first key arrives; windows attached before then get their contexts when it opens.
#include <X11/Xlib.h>

#include <map>
#include <set>
#include <string>

namespace backend {

class X11InputMethod {
  public:
    explicit X11InputMethod(Display* d) : display(d) {}
    X11InputMethod(const X11InputMethod&) = delete;
    X11InputMethod& operator=(const X11InputMethod&) = delete;

    // Opens the input method once; later calls do nothing.
    void Open();
    void Attach(::Window window);
    void Detach(::Window window);
    void Focus(::Window window, bool in);
    // True when the input method took the event (a dead key waiting for its letter).
    bool Filter(XEvent& e);
    // What a key press types (UTF-8) and its keysym.
    std::string Lookup(XKeyEvent& e, KeySym* keysym);
    // Before the connection closes; connected false when the server is gone.
    void Close(bool connected);

  private:
    void CreateContext(::Window window);
    XIC Context(::Window window) const;
    std::string LookupWithContext(XIC ic, XKeyEvent& e, KeySym* keysym);

    Display* display;
    XIM im = nullptr;
    XIMStyle style = 0;
    bool tried = false;
    std::set<::Window> waiting; // attached before the input method opened
    ::Window focused = 0;
    std::map<::Window, XIC> contexts;
};

} // namespace backend
