#include "platform/gfx/Icons.h"

#include "platform/gfx/GdiDC.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/GdiText.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ObjectStore.h"
#include "platform/gfx/SysColors.h"

#include <cstring>

using gfx::Icon;

namespace {

constexpr int MaxIconSide = 1024;

bool ValidSize(int width, int height) {
    return width > 0 && height > 0 && width <= MaxIconSide && height <= MaxIconSide;
}

HBITMAP BitmapOf(const Icon& icon, bool mask) {
    std::vector<std::uint32_t> bits(icon.pixels.size());
    for (std::size_t i = 0; i < bits.size(); ++i) {
        bits[i] = mask ? (icon.opaque[i] ? 0 : 0xFFFFFF) : icon.pixels[i];
    }
    return CreateBitmap(icon.width, icon.height, 1, 32, bits.data());
}

// Draws a shape (icon or text) once, or embossed for the disabled look.
template <class Paint> void DrawShape(UINT flags, HBRUSH brush, Paint paint) {
    if (flags & DSS_DISABLED) {
        paint(1, gfx::PixelFromColor(GetSysColor(COLOR_3DHILIGHT)));
        paint(0, gfx::PixelFromColor(GetSysColor(COLOR_3DSHADOW)));
        return;
    }
    const std::optional<COLORREF> mono =
        (flags & DSS_MONO) ? gfx::ObjectStore::Instance().BrushColor(brush) : std::nullopt;
    if (mono) {
        paint(0, gfx::PixelFromColor(*mono));
    } else {
        paint(0, std::optional<std::uint32_t>());
    }
}

BOOL DrawStateText(HDC hdc, HBRUSH brush, LPCSTR text, std::size_t length, RECT box, UINT flags) {
    const UINT format = DT_SINGLELINE | DT_NOCLIP | DT_LEFT | DT_TOP |
                        ((flags & 0xF) == DST_TEXT ? DT_NOPREFIX : 0);
    const int count = static_cast<int>(length);
    if (box.right == box.left || box.bottom == box.top) {
        RECT natural = box;
        DrawTextA(hdc, text, count, &natural, format | DT_CALCRECT);
        box.right = box.right == box.left ? natural.right : box.right;
        box.bottom = box.bottom == box.top ? natural.bottom : box.bottom;
    }
    IntersectClipRect(hdc, box.left, box.top, box.right, box.bottom);
    const COLORREF oldText = GetTextColor(hdc);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    DrawShape(flags, brush, [&](int offset, std::optional<std::uint32_t> pixel) {
        SetTextColor(hdc, pixel ? gfx::ColorFromPixel(*pixel) : oldText);
        RECT at{box.left + offset, box.top + offset, box.right + offset, box.bottom + offset};
        DrawTextA(hdc, text, count, &at, format);
    });
    SetTextColor(hdc, oldText);
    SetBkMode(hdc, oldMode);
    return TRUE;
}

} // namespace

HICON CreateIconFromPixels(int width, int height, const COLORREF* colours, const BYTE* mask) {
    if (!ValidSize(width, height) || !colours) {
        return nullptr;
    }
    Icon icon;
    icon.width = width;
    icon.height = height;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    for (std::size_t i = 0; i < count; ++i) {
        icon.pixels.push_back(gfx::PixelFromColor(colours[i]));
        icon.opaque.push_back(!mask || mask[i] == 0);
    }
    return Icon::Register(std::move(icon));
}

HICON CreateIconIndirect(const ICONINFO* info) {
    auto& store = gfx::ObjectStore::Instance();
    const auto* colour = info ? store.FindAs<gfx::BitmapData>(info->hbmColor) : nullptr;
    const auto* mask = info ? store.FindAs<gfx::BitmapData>(info->hbmMask) : nullptr;
    if (!colour || !ValidSize(colour->surface.Width(), colour->surface.Height())) {
        return nullptr;
    }
    Icon icon;
    icon.width = colour->surface.Width();
    icon.height = colour->surface.Height();
    // One pixel per logical pixel of a bitmap made at a larger scale.
    const int cs = colour->surface.Scale();
    const int ms = mask ? mask->surface.Scale() : 1;
    for (int y = 0; y < icon.height; ++y) {
        for (int x = 0; x < icon.width; ++x) {
            icon.pixels.push_back(colour->surface.Row(y * cs)[x * cs]);
            icon.opaque.push_back(!mask || !mask->surface.Contains(x * ms, y * ms) ||
                                  mask->surface.Row(y * ms)[x * ms] == 0);
        }
    }
    return Icon::Register(std::move(icon));
}

BOOL DestroyIcon(HICON icon) {
    return Icon::Destroy(icon) ? TRUE : FALSE;
}

BOOL GetIconInfo(HICON handle, ICONINFO* info) {
    if (!info) {
        return FALSE;
    }
    *info = ICONINFO{};
    const Icon* icon = Icon::Find(handle);
    if (!icon) {
        return FALSE;
    }
    info->fIcon = TRUE;
    info->xHotspot = static_cast<DWORD>(icon->width / 2);
    info->yHotspot = static_cast<DWORD>(icon->height / 2);
    info->hbmColor = BitmapOf(*icon, false);
    info->hbmMask = BitmapOf(*icon, true);
    return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON handle, int width, int height, UINT,
                HBRUSH flickerFree, UINT flags) {
    const Icon* icon = Icon::Find(handle);
    gfx::Canvas canvas(hdc);
    if (!icon || !canvas.ValidDC()) {
        return FALSE;
    }
    const RECT box{x, y, x + (width > 0 ? width : icon->width),
                   y + (height > 0 ? height : icon->height)};
    if (const auto fill = gfx::ObjectStore::Instance().BrushColor(flickerFree); fill && canvas) {
        canvas.Pixels().Fill(canvas.ToSurface(box), gfx::PixelFromColor(*fill));
    }
    if ((flags & DI_NORMAL) == DI_MASK) {
        icon->Paint(canvas, box, 0u, true);
    } else if (flags & DI_IMAGE) {
        icon->Paint(canvas, box, std::nullopt, (flags & DI_MASK) != 0);
    }
    return TRUE;
}

BOOL DrawStateA(HDC hdc, HBRUSH brush, DRAWSTATEPROC, LPARAM data, WPARAM wData, int x, int y,
                int width, int height, UINT flags) {
    if (SaveDC(hdc) == 0) {
        return FALSE;
    }
    BOOL result = FALSE;
    const UINT kind = flags & 0xF;
    if (kind == DST_ICON) {
        const Icon* icon = Icon::Find(reinterpret_cast<HICON>(data));
        if (icon) {
            const RECT natural{x, y, x + icon->width, y + icon->height};
            IntersectClipRect(hdc, x, y, x + (width > 0 ? width : icon->width),
                              y + (height > 0 ? height : icon->height));
            gfx::Canvas canvas(hdc);
            DrawShape(flags, brush, [&](int offset, std::optional<std::uint32_t> pixel) {
                const RECT at{natural.left + offset, natural.top + offset, natural.right + offset,
                              natural.bottom + offset};
                icon->Paint(canvas, at, pixel, true);
            });
            result = TRUE;
        }
    } else if ((kind == DST_TEXT || kind == DST_PREFIXTEXT) && data) {
        const auto* text = reinterpret_cast<LPCSTR>(data);
        const std::size_t length = wData ? wData : std::strlen(text);
        result = DrawStateText(hdc, brush, text, length,
                               {x, y, x + (width > 0 ? width : 0), y + (height > 0 ? height : 0)},
                               flags);
    }
    RestoreDC(hdc, -1);
    return result;
}
