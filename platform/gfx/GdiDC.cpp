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
    const int dx = s.viewportOrg.x - s.windowOrg.x;
    const int dy = s.viewportOrg.y - s.windowOrg.y;
    return {left + dx, top + dy, right + dx, bottom + dy};
}

int ClipBy(HDC hdc, int left, int top, int right, int bottom, bool exclude) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc) {
        return ERROR;
    }
    dc->ClipDevice(ToDevice(dc->State(), left, top, right, bottom), exclude);
    return RegionKind(dc->Clip());
}

BOOL SetOrigin(HDC hdc, int x, int y, POINT* previous, POINT gfx::DcState::*member) {
    DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc) {
        return FALSE;
    }
    if (previous) {
        *previous = dc->State().*member;
    }
    dc->Attributes().*member = POINT{x, y};
    return TRUE;
}

BOOL GetOrigin(HDC hdc, POINT* origin, POINT gfx::DcState::*member) {
    const DeviceContext* dc = DeviceContext::Find(hdc);
    if (!dc || !origin) {
        return FALSE;
    }
    *origin = dc->State().*member;
    return TRUE;
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
    return SetOrigin(hdc, x, y, previous, &gfx::DcState::windowOrg);
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, x, y, previous, &gfx::DcState::viewportOrg);
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
    return GetOrigin(hdc, origin, &gfx::DcState::viewportOrg);
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
    return ClipBy(hdc, left, top, right, bottom, false);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    return ClipBy(hdc, left, top, right, bottom, true);
}
