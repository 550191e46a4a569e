#include "platform/gfx/GdiDraw.h"

#include "platform/gfx/Canvas.h"
#include "platform/gfx/ObjectStore.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using gfx::Canvas;

namespace {

constexpr std::uint32_t White = 0xFFFFFF;

RECT Normalized(RECT r) {
    if (r.left > r.right) {
        std::swap(r.left, r.right);
    }
    if (r.top > r.bottom) {
        std::swap(r.top, r.bottom);
    }
    return r;
}

void FrameOf(gfx::Raster& raster, const RECT& r, std::uint32_t pixel) {
    if (r.right <= r.left || r.bottom <= r.top) {
        return;
    }
    raster.Fill({r.left, r.top, r.right, r.top + 1}, pixel);
    raster.Fill({r.left, r.bottom - 1, r.right, r.bottom}, pixel);
    raster.Fill({r.left, r.top + 1, r.left + 1, r.bottom - 1}, pixel);
    raster.Fill({r.right - 1, r.top + 1, r.right, r.bottom - 1}, pixel);
}

// Bresenham from a to b in surface pixels, b itself excluded.
template <class F> void WalkLine(POINT a, POINT b, F plot) {
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    while (a.x != b.x || a.y != b.y) {
        plot(a.x, a.y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            a.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            a.y += sy;
        }
    }
}

// The buffer pixel of a source at scale ss under buffer pixel p of a target at scale ds, whose
// logical pixels are offset by d: the same place within the logical pixel.
LONG SourcePixel(LONG p, LONG d, int ds, int ss) {
    return (p / ds - d) * ss + (p % ds) * ss / ds;
}

// The target's buffer pixels, read from the source before anything is written, so that
// overlapping copies within one surface work.
std::vector<std::uint32_t> SourcePixels(const gfx::Surface& src, const RECT& pixels, POINT d,
                                        int ds) {
    const int ss = src.Scale();
    const auto width = static_cast<std::size_t>(pixels.right - pixels.left);
    std::vector<std::uint32_t> buffer;
    buffer.reserve(width * static_cast<std::size_t>(pixels.bottom - pixels.top));
    for (LONG y = pixels.top; y < pixels.bottom; ++y) {
        const std::uint32_t* row = src.Row(SourcePixel(y, d.y, ds, ss));
        if (ss == ds) {
            const std::uint32_t* first = row + (pixels.left - d.x * ds);
            buffer.insert(buffer.end(), first, first + width);
            continue;
        }
        for (LONG x = pixels.left; x < pixels.right; ++x) {
            buffer.push_back(row[SourcePixel(x, d.x, ds, ss)]);
        }
    }
    return buffer;
}

BOOL Blit(Canvas& dest, RECT target, Canvas& source, POINT from, DWORD rop) {
    const gfx::Surface& src = *source.Dc().Target();
    gfx::Surface& dst = *dest.Dc().Target();
    // Only the part that has source pixels and lies on the target surface is touched.
    const POINT d{target.left - from.x, target.top - from.y};
    target = {std::max({target.left, d.x, LONG{0}}), std::max({target.top, d.y, LONG{0}}),
              std::min<LONG>({target.right, d.x + src.Width(), dst.Width()}),
              std::min<LONG>({target.bottom, d.y + src.Height(), dst.Height()})};
    if (target.right <= target.left || target.bottom <= target.top) {
        return TRUE;
    }
    const int ds = dst.Scale();
    const RECT pixels{target.left * ds, target.top * ds, target.right * ds, target.bottom * ds};
    const auto width = static_cast<std::size_t>(pixels.right - pixels.left);
    const std::vector<std::uint32_t> buffer = SourcePixels(src, pixels, d, ds);
    dest.Pixels().ForEachSpan(pixels, [&](LONG y, LONG x0, LONG x1) {
        const std::uint32_t* in = buffer.data() + static_cast<std::size_t>(y - pixels.top) * width;
        std::uint32_t* out = dst.Row(y);
        if (rop == SRCCOPY) {
            std::copy(in + (x0 - pixels.left), in + (x1 - pixels.left), out + x0);
            return;
        }
        for (LONG x = x0; x < x1; ++x) {
            const std::uint32_t pixel = in[x - pixels.left];
            switch (rop) {
            case SRCPAINT:
                out[x] |= pixel;
                break;
            case SRCAND:
                out[x] &= pixel;
                break;
            default:
                out[x] ^= pixel;
            }
        }
    });
    return TRUE;
}

} // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    Canvas canvas(hdc);
    const std::optional<COLORREF> colour = gfx::ObjectStore::Instance().BrushColor(brush);
    if (!canvas || !rect || !colour) {
        return canvas.ValidDC() && rect && colour ? TRUE : FALSE;
    }
    canvas.Pixels().Fill(canvas.ToSurface(*rect), gfx::PixelFromColor(*colour));
    return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    Canvas canvas(hdc);
    const std::optional<COLORREF> colour = gfx::ObjectStore::Instance().BrushColor(brush);
    if (!canvas || !rect || !colour) {
        return canvas.ValidDC() && rect && colour ? TRUE : FALSE;
    }
    FrameOf(canvas.Pixels(), canvas.ToSurface(*rect), gfx::PixelFromColor(*colour));
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    Canvas canvas(hdc);
    if (!canvas) {
        return canvas.ValidDC() ? TRUE : FALSE;
    }
    const RECT r = canvas.ToSurface(Normalized({x, y, x + width, y + height}));
    const std::optional<std::uint32_t> brush = canvas.Dc().BrushPixel();
    switch (rop) {
    case BLACKNESS:
        canvas.Pixels().Fill(r, 0);
        break;
    case WHITENESS:
        canvas.Pixels().Fill(r, White);
        break;
    case DSTINVERT:
        canvas.Pixels().Xor(r, White);
        break;
    case PATINVERT:
        if (brush) {
            canvas.Pixels().Xor(r, *brush);
        }
        break;
    case PATCOPY:
        if (brush) {
            canvas.Pixels().Fill(r, *brush);
        }
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    gfx::DeviceContext* dc = gfx::DeviceContext::Find(hdc);
    if (!dc) {
        return FALSE;
    }
    if (previous) {
        *previous = dc->State().position;
    }
    dc->Attributes().position = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    Canvas canvas(hdc);
    if (!canvas.ValidDC()) {
        return FALSE;
    }
    const POINT from = canvas.Dc().State().position;
    canvas.Dc().Attributes().position = POINT{x, y};
    const std::optional<std::uint32_t> pen = canvas ? canvas.Dc().PenPixel() : std::nullopt;
    if (!pen) {
        return TRUE;
    }
    const int width = canvas.Dc().PenWidth();
    WalkLine(canvas.ToSurface(from), canvas.ToSurface(POINT{x, y}), [&](int px, int py) {
        if (width == 1) {
            canvas.Pixels().Plot(px, py, *pen);
        } else {
            const int half = width / 2;
            canvas.Pixels().Fill({px - half, py - half, px - half + width, py - half + width},
                                 *pen);
        }
    });
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    Canvas canvas(hdc);
    if (!canvas || !rect) {
        return canvas.ValidDC() && rect ? TRUE : FALSE;
    }
    const RECT r = canvas.ToSurface(*rect);
    if (r.right <= r.left || r.bottom <= r.top) {
        return TRUE;
    }
    // Every other pixel of the frame, each exactly once, so drawing twice erases it.
    auto dot = [&](LONG x, LONG y) {
        if (((x - r.left) + (y - r.top)) % 2 == 0) {
            canvas.Pixels().Xor({x, y, x + 1, y + 1}, White);
        }
    };
    for (LONG x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top) {
            dot(x, r.bottom - 1);
        }
    }
    for (LONG y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left) {
            dot(r.right - 1, y);
        }
    }
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
    Canvas to(dest);
    if (!to.ValidDC()) {
        return FALSE;
    }
    if (rop == PATCOPY || rop == PATINVERT || rop == BLACKNESS || rop == WHITENESS ||
        rop == DSTINVERT) {
        return PatBlt(dest, x, y, width, height, rop);
    }
    Canvas from(source);
    if (!from.ValidDC() ||
        (rop != SRCCOPY && rop != SRCPAINT && rop != SRCAND && rop != SRCINVERT)) {
        return FALSE;
    }
    if (!to || !from || width <= 0 || height <= 0) {
        return TRUE;
    }
    const RECT target = to.ToSurface(RECT{x, y, x + width, y + height});
    return Blit(to, target, from, from.ToSurface(POINT{sx, sy}), rop);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    Canvas canvas(hdc);
    if (!canvas) {
        return CLR_INVALID;
    }
    const POINT p = canvas.ToSurface(POINT{x, y});
    if (!canvas.Pixels().Visible(p.x, p.y)) {
        return CLR_INVALID;
    }
    return canvas.Dc().Target()->ColorAt(p.x * canvas.Scale(), p.y * canvas.Scale());
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF colour) {
    Canvas canvas(hdc);
    if (!canvas) {
        return CLR_INVALID;
    }
    const POINT p = canvas.ToSurface(POINT{x, y});
    if (!canvas.Pixels().Visible(p.x, p.y)) {
        return CLR_INVALID;
    }
    canvas.Pixels().Plot(p.x, p.y, gfx::PixelFromColor(colour));
    return colour & 0xFFFFFF;
}
