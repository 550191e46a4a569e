#pragma once
// Turns the input events of a top-level window's X window into the window system's raw
// input (screen pixels, virtual keys, characters), activation changes, moves by the window
// manager and the close box.
#include "platform/backend/X11InputMethod.h"
#include "platform/win/WindowSystem.h"

#include <X11/Xlib.h>

#include <array>

namespace backend {

class X11Events {
  public:
    // Keys are looked up through the input method.
    X11Events(Display* display, Atom wmProtocols, Atom wmDeleteWindow, X11InputMethod& im);

    // framed: a window the window manager places (its moves are reported back).
    void Handle(HWND hwnd, XEvent& event, bool framed);

  private:
    void Button(const XButtonEvent& e, bool down);
    void Motion(int x, int y);
    void Key(XKeyEvent& e, bool down);
    bool RepeatFollows(const XKeyEvent& release);
    void ReleaseKeys();
    void Focus(HWND hwnd, const XFocusChangeEvent& e);
    void Configure(HWND hwnd, const XConfigureEvent& e);
    void Client(HWND hwnd, const XClientMessageEvent& e);

    Display* display;
    Atom wmProtocols;
    Atom wmDeleteWindow;
    X11InputMethod& inputMethod;
    std::array<UINT, 256> pressed{}; // virtual key sent for each held key code
};

} // namespace backend
