#include "platform/backend/X11Presenter.h"

#include "platform/backend/X11ErrorTrap.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <vector>

namespace backend {

namespace {

// Many small rectangles cost more requests than one bounding box costs pixels.
constexpr std::size_t MaxRects = 16;
// A segment holds a second copy of the window's pixels and costs a round trip per frame;
// it pays only for frames large enough that copying them through the socket costs more.
constexpr long SharedMinPixels = 512L * 1024L;

int HostByteOrder() {
    const std::uint32_t probe = 1;
    unsigned char first = 0;
    std::memcpy(&first, &probe, 1);
    return first ? LSBFirst : MSBFirst;
}

} // namespace

X11Presenter::X11Presenter(Display* d, Visual* v, int bits, const X11PixelFormat& f, bool shm)
    : display(d), visual(v), depth(bits), format(f), shmWanted(shm),
      gc(XCreateGC(d, DefaultRootWindow(d), 0, nullptr)) {}

X11Presenter::~X11Presenter() {
    Unshare();
    XFreeGC(display, gc);
}

bool X11Presenter::Share(int width, int height) {
    if (shmImage && shmImage->width == width && shmImage->height == height) {
        return true;
    }
    Unshare();
    XImage* image =
        XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &segment,
                        static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (!image) {
        shmWanted = false;
        return false;
    }
    const auto bytes =
        static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(height);
    segment.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    void* memory =
        segment.shmid < 0 ? reinterpret_cast<void*>(-1) : shmat(segment.shmid, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        if (segment.shmid >= 0) {
            shmctl(segment.shmid, IPC_RMID, nullptr);
        }
        XDestroyImage(image);
        shmWanted = false;
        return false;
    }
    segment.shmaddr = image->data = static_cast<char*>(memory);
    segment.readOnly = True;
    // An attach refused by the server arrives as an error; catch it here instead of dying.
    XSync(display, False);
    const unsigned long before = X11ErrorTrap::Errors();
    bool attached = XShmAttach(display, &segment) != 0;
    XSync(display, False);
    attached = attached && X11ErrorTrap::Errors() == before;
    shmctl(segment.shmid, IPC_RMID, nullptr); // freed once both sides detach
    if (!attached) {
        shmdt(segment.shmaddr);
        image->data = nullptr;
        XDestroyImage(image);
        shmWanted = false;
        return false;
    }
    shmImage = image;
    return true;
}

void X11Presenter::Unshare() {
    if (!shmImage) {
        return;
    }
    XShmDetach(display, &segment);
    XSync(display, False);
    shmdt(segment.shmaddr);
    shmImage->data = nullptr;
    XDestroyImage(shmImage);
    shmImage = nullptr;
}

void X11Presenter::PutShared(::Window window, const gfx::Surface& surface, const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y) {
        char* dest = shmImage->data + static_cast<std::ptrdiff_t>(y) * shmImage->bytes_per_line +
                     static_cast<std::ptrdiff_t>(r.left) * format.BytesPerPixel();
        format.ConvertRow(surface.Row(y) + r.left, r.right - r.left, dest);
    }
    XShmPutImage(display, window, gc, shmImage, r.left, r.top, r.left, r.top,
                 static_cast<unsigned>(r.right - r.left), static_cast<unsigned>(r.bottom - r.top),
                 False);
}

void X11Presenter::PutPlain(::Window window, const gfx::Surface& surface, const RECT& r) {
    const std::uint32_t* pixels = surface.Row(0);
    XImage* image =
        XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                     reinterpret_cast<char*>(const_cast<std::uint32_t*>(pixels)),
                     static_cast<unsigned>(surface.PixelWidth()),
                     static_cast<unsigned>(surface.PixelHeight()), 32, surface.PixelWidth() * 4);
    if (!image) {
        return;
    }
    image->byte_order = HostByteOrder();
    XPutImage(display, window, gc, image, r.left, r.top, r.left, r.top,
              static_cast<unsigned>(r.right - r.left), static_cast<unsigned>(r.bottom - r.top));
    image->data = nullptr; // the surface's pixels stay the surface's
    XDestroyImage(image);
}

void X11Presenter::PutConverted(::Window window, const gfx::Surface& surface, const RECT& r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int line = width * format.BytesPerPixel();
    std::vector<char> pixels(static_cast<std::size_t>(line) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        format.ConvertRow(surface.Row(r.top + y) + r.left, width,
                          pixels.data() + static_cast<std::ptrdiff_t>(y) * line);
    }
    const int pad = format.BytesPerPixel() == 2 ? 16 : 32;
    XImage* image =
        XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, pixels.data(),
                     static_cast<unsigned>(width), static_cast<unsigned>(height), pad, line);
    if (!image) {
        return;
    }
    image->byte_order = HostByteOrder();
    XPutImage(display, window, gc, image, 0, 0, r.left, r.top, static_cast<unsigned>(width),
              static_cast<unsigned>(height));
    image->data = nullptr; // the vector's
    XDestroyImage(image);
}

void X11Presenter::Present(::Window window, const gfx::Surface& surface, const gfx::Region& dirty) {
    const int width = surface.PixelWidth();
    const int height = surface.PixelHeight();
    if (width <= 0 || height <= 0 || dirty.IsEmpty()) {
        return;
    }
    const bool large = static_cast<long>(width) * height >= SharedMinPixels;
    const bool shared = shmWanted && large && Share(width, height);
    if (!shared) {
        Unshare();
    }
    std::vector<RECT> rects = dirty.Rects();
    if (rects.size() > MaxRects) {
        rects = {dirty.Bounds()};
    }
    const int s = surface.Scale();
    for (RECT r : rects) {
        r = {std::max<LONG>(r.left * s, 0), std::max<LONG>(r.top * s, 0),
             std::min<LONG>(r.right * s, width), std::min<LONG>(r.bottom * s, height)};
        if (r.left >= r.right || r.top >= r.bottom) {
            continue;
        }
        if (shared) {
            PutShared(window, surface, r);
        } else if (format.Identity()) {
            PutPlain(window, surface, r);
        } else {
            PutConverted(window, surface, r);
        }
    }
    if (shared) {
        XSync(display, False); // the server must be done reading before the next copy
    }
}

} // namespace backend
