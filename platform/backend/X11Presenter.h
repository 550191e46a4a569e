#pragma once
// Puts a window's surface on its X window: through a shared-memory image when the server
// shares memory with us and the window is large, else through XPutImage. Surface pixels
// (0x00RRGGBB) go out as they are on the usual 24-bit visual and are converted for other
// TrueColor layouts.
#include "platform/backend/X11PixelFormat.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

namespace backend {

class X11Presenter {
  public:
    // shm: try shared memory (the server is local and has MIT-SHM).
    X11Presenter(Display* display, Visual* visual, int depth, const X11PixelFormat& format,
                 bool shm);
    ~X11Presenter();
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    void Present(::Window window, const gfx::Surface& surface, const gfx::Region& dirty);
    bool UsesSharedMemory() const { return shmImage != nullptr; }

  private:
    bool Share(int width, int height);
    void Unshare();
    void PutShared(::Window window, const gfx::Surface& surface, const RECT& r);
    void PutPlain(::Window window, const gfx::Surface& surface, const RECT& r);
    void PutConverted(::Window window, const gfx::Surface& surface, const RECT& r);

    Display* display;
    Visual* visual;
    int depth;
    X11PixelFormat format;
    bool shmWanted;
    GC gc;
    XImage* shmImage = nullptr;
    XShmSegmentInfo segment{};
};

} // namespace backend
