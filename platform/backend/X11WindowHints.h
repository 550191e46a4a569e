#pragma once
// What a window manager reads from a framed window: its title (UTF-8), the close protocol,
// its owner and a size that cannot be changed.
#include "platform/base/WinDef.h"

#include <X11/Xlib.h>

#include <string>

namespace backend {

class X11WindowHints {
  public:
    explicit X11WindowHints(Display* display);

    Atom Protocols() const { return wmProtocols; }
    Atom DeleteWindow() const { return wmDeleteWindow; }

    // owner: the X window the window stays with (0 for none).
    void Decorate(::Window window, SIZE size, ::Window owner);
    void FixSize(::Window window, SIZE size);
    void SetTitle(::Window window, const std::string& title);

  private:
    Display* display;
    Atom wmProtocols;
    Atom wmDeleteWindow;
    Atom netWmName;
    Atom utf8String;
};

} // namespace backend
