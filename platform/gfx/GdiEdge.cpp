#include "platform/gfx/Canvas.h"
#include "platform/gfx/GdiDraw.h"
#include "platform/gfx/SysColors.h"

namespace {

struct EdgeColors {
    int topLeft;
    int bottomRight;
};

// Classic 3D colours of one layer of an edge; outer = bits 0-1, inner = bits 2-3.
EdgeColors LayerColors(UINT bits, bool outer, UINT flags) {
    const bool raised = (bits & (outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER)) != 0;
    if (flags & BF_MONO) {
        return outer ? EdgeColors{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME}
                     : EdgeColors{COLOR_WINDOW, COLOR_WINDOW};
    }
    if (flags & BF_FLAT) {
        return outer ? EdgeColors{COLOR_3DSHADOW, COLOR_3DSHADOW}
                     : EdgeColors{COLOR_3DFACE, COLOR_3DFACE};
    }
    const bool soft = (flags & BF_SOFT) != 0;
    if (outer) {
        return raised ? EdgeColors{soft ? COLOR_3DHILIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW}
                      : EdgeColors{soft ? COLOR_3DDKSHADOW : COLOR_3DSHADOW, COLOR_3DHILIGHT};
    }
    return raised ? EdgeColors{soft ? COLOR_3DLIGHT : COLOR_3DHILIGHT, COLOR_3DSHADOW}
                  : EdgeColors{soft ? COLOR_3DSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

std::uint32_t SysPixel(int index) {
    return gfx::PixelFromColor(GetSysColor(index));
}

// One pixel wide; the bottom-right colour wins the two shared corners.
void DrawLayer(gfx::Raster& raster, const RECT& r, EdgeColors colors, UINT flags) {
    const std::uint32_t tl = SysPixel(colors.topLeft);
    const std::uint32_t br = SysPixel(colors.bottomRight);
    if (flags & BF_TOP) {
        raster.Fill({r.left, r.top, r.right, r.top + 1}, tl);
    }
    if (flags & BF_LEFT) {
        raster.Fill({r.left, r.top, r.left + 1, r.bottom}, tl);
    }
    if (flags & BF_BOTTOM) {
        raster.Fill({r.left, r.bottom - 1, r.right, r.bottom}, br);
    }
    if (flags & BF_RIGHT) {
        raster.Fill({r.right - 1, r.top, r.right, r.bottom}, br);
    }
}

void Shrink(RECT& r, UINT flags) {
    r.left += (flags & BF_LEFT) ? 1 : 0;
    r.top += (flags & BF_TOP) ? 1 : 0;
    r.right -= (flags & BF_RIGHT) ? 1 : 0;
    r.bottom -= (flags & BF_BOTTOM) ? 1 : 0;
}

} // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    gfx::Canvas canvas(hdc);
    if (!canvas.ValidDC() || !rect) {
        return FALSE;
    }
    RECT inner = *rect;
    for (const bool outer : {true, false}) {
        const UINT bits = edge & (outer ? BDR_OUTER : BDR_INNER);
        if (bits == 0) {
            continue;
        }
        if (canvas) {
            DrawLayer(canvas.Pixels(), canvas.ToSurface(inner), LayerColors(bits, outer, flags),
                      flags);
        }
        Shrink(inner, flags);
    }
    if ((flags & BF_MIDDLE) && canvas) {
        const int face = (flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE;
        canvas.Pixels().Fill(canvas.ToSurface(inner), SysPixel(face));
    }
    if (flags & BF_ADJUST) {
        *rect = inner;
    }
    return TRUE;
}
