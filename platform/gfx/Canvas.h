#pragma once
// One drawing call's view of a DC: its state and a raster over its pixels and clip.
// False when the handle is bad or there is nothing to draw into.
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Raster.h"

namespace gfx {

class Canvas {
  public:
    explicit Canvas(HDC hdc)
        : context(DeviceContext::Find(hdc)), surface(context ? context->Target() : nullptr),
          raster(surface ? *surface : empty, surface ? context->Clip() : narrowed,
                 surface ? &context->Drawn() : nullptr) {}
    explicit operator bool() const { return surface != nullptr; }
    bool ValidDC() const { return context != nullptr; }
    DeviceContext& Dc() { return *context; }
    Raster& Pixels() { return raster; }
    int Scale() const { return surface ? surface->Scale() : 1; }
    // Narrows the clip for this call only (surface pixels).
    void Restrict(const RECT& surfaceRect) {
        if (surface) {
            narrowed = context->Clip();
            narrowed.Intersect(surfaceRect);
            raster = Raster(*surface, narrowed, &context->Drawn());
        }
    }
    RECT ToSurface(const RECT& logical) const { return context->ToSurface(logical); }
    POINT ToSurface(POINT logical) const { return context->ToSurface(logical); }

  private:
    DeviceContext* context;
    Surface* surface;
    Surface empty;
    Region narrowed;
    Raster raster;
};

} // namespace gfx
