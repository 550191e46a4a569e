#pragma once
// What a window manager reads from a framed window: its title (UTF-8), the close protocol,
// its owner, a size that cannot be changed, that it is a (modal) dialog, which process and
// machine it belongs to, and the library's icon.
#include "platform/base/WinDef.h"

#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace backend {

class X11WindowHints {
  public:
    explicit X11WindowHints(Display* display);

    Atom Protocols() const { return wmProtocols; }
    Atom DeleteWindow() const { return wmDeleteWindow; }

    // owner: the X window the window stays with (0 for none); modal: a modal dialog.
    void Decorate(::Window window, SIZE size, ::Window owner, bool modal);
    void SetOwner(::Window window, ::Window owner);
    void FixSize(::Window window, SIZE size);
    void SetTitle(::Window window, const std::string& title);
    // The active top-level window of the desktop (_NET_ACTIVE_WINDOW) when it belongs to
    // this process on this machine (its _NET_WM_PID and WM_CLIENT_MACHINE); else 0.
    ::Window ActiveWindowOfThisProcess() const;

    // The icon of every framed window from now on: width, height, then width x height
    // pixels 0xAARRGGBB, row by row (the _NET_WM_ICON layout).
    static void SetIcon(std::vector<unsigned long> icon);

  private:
    Atom Intern(const char* name) const;
    void SetCardinals(::Window window, const char* property, Atom type,
                      const std::vector<unsigned long>& values) const;
    std::vector<unsigned long> Cardinals(::Window window, const char* property) const;

    Display* display;
    Atom wmProtocols;
    Atom wmDeleteWindow;
    Atom netWmName;
    Atom utf8String;
};

} // namespace backend
