#pragma once
// Xlib's error and I/O error handlers are process-wide and belong to the host. While the
// library works on its own connections, a scope puts handlers in front that take the errors
// of those connections and pass every other to the handler that was there before; the end
// of the scope puts the host's handlers back. Errors on our connections are read only inside
// such scopes, so the host's handlers never see them and never point into this library.
#include <X11/Xlib.h>

namespace backend {

class X11ErrorTrap {
  public:
    // Scopes nest; only the outermost installs and restores.
    class Scope {
      public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    // The connection is ours until Release: its errors are swallowed, and the loss of the
    // server sets *lost and prints one line instead of ending the process.
    static void Adopt(Display* display, bool* lost);
    static void Release(Display* display);
    // Errors of our connections so far (for callers that watch one request).
    static unsigned long Errors();

  private:
    static bool Ours(Display* display);
    static int OnError(Display* display, XErrorEvent* event);
    static int OnIOError(Display* display);
    static void OnIOErrorExit(Display* display, void* lost);
};

} // namespace backend
