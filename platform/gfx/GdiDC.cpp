#include "platform/gfx/GdiDC.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/SurfaceDC.h"

#include <memory>

using gfx::DeviceContext;

namespace {

RECT ToLogicalRect(const DeviceContext& dc, const RECT& surfaceRect) {
    const POINT tl = dc.ToLogical(POINT{surfaceRect.left, surfaceRect.top});
    return {tl.x, tl.y, tl.x + (surfaceRect.right - surfaceRect.left),
            tl.y + (surfaceRect.bottom - surfaceRect.top)};
}

int RegionKind(const gfx::Region& region) {
    if (region.IsEmpty()) {
        return NULLREGION;
    }
    return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// Logical rectangle to device coordinates (before the device origin).
RECT ToDevice(const gfx::DcState& s, int left, int top, int right, int bottom) {
    const int dx = -s.windowOrg.x;
    const int dy = -s.windowOrg.y;
    return {left + dx, top + dy, right + dx, bottom + dy};
}

} // namespace

HDC CreateSurfaceDC(gfx::Surface* surface, POINT deviceOrigin, const gfx::Region& clip) {
    if (!surface) {
        return nullptr;
    }
    return DeviceContext::Register(std::make_unique<DeviceContext>(surface, deviceOrigin, clip));
}

RECT DrawnBounds(HDC hdc) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    return dc ? dc->Drawn() : RECT{};
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !DeviceContext::Find(hdc)) {
        return nullptr;
    }
    return DeviceContext::Register(
        std::make_unique<DeviceContext>(nullptr, POINT{}, gfx::Region{}));
}

BOOL DeleteDC(HDC hdc) {
    return DeviceContext::Destroy(hdc) ? TRUE : FALSE;
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    return dc ? dc->Save() : 0;
}

BOOL RestoreDC(HDC hdc, int level) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    return dc && dc->Restore(level) ? TRUE : FALSE;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF old = dc->State().textColor;
    dc->Attributes().textColor = colour & 0xFFFFFF;
    return old;
}

COLORREF GetTextColor(HDC hdc) {
    const DeviceContext* dc = DeviceContext::Find(hdc);
    return dc ? dc->State().textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF old = dc->State().bkColor;
    dc->Attributes().bkColor = colour & 0xFFFFFF;
    return old;
}

COLORREF GetBkColor(HDC hdc) {
    const DeviceContext* dc = DeviceContext::Find(hdc);
    return dc ? dc->State().bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    const int old = dc->State().bkMode;
    dc->Attributes().bkMode = mode;
    return old;
}

int GetBkMode(HDC hdc) {
    const DeviceContext* dc = DeviceContext::Find(hdc);
    return dc ? dc->State().bkMode : 0;
}

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc) {
        return FALSE;
    }
    if (previous) {
        *previous = dc->State().windowOrg;
    }
    dc->Attributes().windowOrg = POINT{x, y};
    return TRUE;
}

int GetClipBox(HDC hdc, RECT* box) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc || !box) {
        return ERROR;
    }
    const gfx::Region& clip = dc->Clip();
    *box = clip.IsEmpty() ? RECT{} : ToLogicalRect(*dc, clip.Bounds());
    return RegionKind(clip);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc) {
        return ERROR;
    }
    dc->ClipDevice(ToDevice(dc->State(), left, top, right, bottom));
    return RegionKind(dc->Clip());
}
