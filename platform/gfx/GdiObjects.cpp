#include "platform/gfx/GdiObjects.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/DisplayScale.h"
#include "platform/gfx/ObjectStore.h"

#include <cstring>
#include <new>

using gfx::ObjectStore;

namespace {

constexpr long long MaxBitmapPixels = 64LL * 1024 * 1024;

HBITMAP NewBitmap(int width, int height, int scale = 1) {
    if (width < 0 || height < 0 ||
        static_cast<long long>(width) * height * scale * scale > MaxBitmapPixels) {
        return nullptr;
    }
    try {
        gfx::BitmapData data{gfx::Surface(width, height, scale)};
        return reinterpret_cast<HBITMAP>(ObjectStore::Instance().Add({std::move(data)}));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

template <class Record> int CopyRecord(const Record& record, int size, void* buffer) {
    constexpr int needed = static_cast<int>(sizeof(Record));
    if (!buffer) {
        return needed;
    }
    if (size < needed) {
        return 0;
    }
    std::memcpy(buffer, &record, sizeof(Record));
    return needed;
}

} // namespace

HPEN CreatePen(int style, int width, COLORREF colour) {
    gfx::PenData pen{{static_cast<UINT>(style), {width < 0 ? 0 : width, 0}, colour & 0xFFFFFF}};
    return reinterpret_cast<HPEN>(ObjectStore::Instance().Add({pen}));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    gfx::BrushData brush{{BS_SOLID, colour & 0xFFFFFF, 0}};
    return reinterpret_cast<HBRUSH>(ObjectStore::Instance().Add({brush}));
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) {
        return nullptr;
    }
    gfx::FontData data{*font};
    data.log.lfFaceName[LF_FACESIZE - 1] = '\0';
    return reinterpret_cast<HFONT>(ObjectStore::Instance().Add({data}));
}

// At the scale of the DC's surface, so that copies to it stay sharp; the display's without one.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    const gfx::DeviceContext* dc = gfx::DeviceContext::Find(hdc);
    if (hdc && !dc) {
        return nullptr;
    }
    const gfx::Surface* surface = dc ? dc->Target() : nullptr;
    return NewBitmap(width, height, surface ? surface->Scale() : gfx::DisplayScale());
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (planes != 1 || bitsPerPixel != 32) {
        return nullptr;
    }
    HBITMAP bitmap = NewBitmap(width, height);
    auto* data = ObjectStore::Instance().FindAs<gfx::BitmapData>(bitmap);
    if (!data) {
        return nullptr;
    }
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = data->surface.Row(y);
        for (int x = 0; x < width; ++x) {
            row[x] = source ? source[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF : 0;
        }
    }
    return bitmap;
}

BOOL DeleteObject(HGDIOBJ object) {
    return ObjectStore::Instance().Delete(object) ? TRUE : FALSE;
}

int GetObjectA(HGDIOBJ object, int size, void* buffer) {
    const gfx::GdiObject* o = ObjectStore::Instance().Find(object);
    if (!o) {
        return 0;
    }
    if (const auto* pen = std::get_if<gfx::PenData>(&o->data)) {
        return CopyRecord(pen->log, size, buffer);
    }
    if (const auto* brush = std::get_if<gfx::BrushData>(&o->data)) {
        LOGBRUSH log = brush->log;
        log.lbColor = ObjectStore::Instance().BrushColor(object).value_or(log.lbColor);
        return CopyRecord(log, size, buffer);
    }
    if (const auto* font = std::get_if<gfx::FontData>(&o->data)) {
        return CopyRecord(font->log, size, buffer);
    }
    const gfx::Surface& surface = std::get<gfx::BitmapData>(o->data).surface;
    BITMAP bm;
    bm.bmWidth = surface.Width();
    bm.bmHeight = surface.Height();
    bm.bmWidthBytes = surface.Width() * 4;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = 32;
    return CopyRecord(bm, size, buffer);
}

DWORD GetObjectType(HGDIOBJ object) {
    if (const gfx::GdiObject* o = ObjectStore::Instance().Find(object)) {
        static constexpr DWORD kinds[] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP};
        return kinds[o->data.index()];
    }
    if (const gfx::DeviceContext* dc = gfx::DeviceContext::Find(reinterpret_cast<HDC>(object))) {
        return dc->IsMemory() ? OBJ_MEMDC : OBJ_DC;
    }
    return 0;
}

HGDIOBJ GetStockObject(int index) {
    return ObjectStore::Instance().Stock(index);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    gfx::DeviceContext* dc = gfx::DeviceContext::Find(hdc);
    return dc ? dc->Select(object) : nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT kind) {
    const gfx::DeviceContext* dc = gfx::DeviceContext::Find(hdc);
    if (!dc) {
        return nullptr;
    }
    switch (kind) {
    case OBJ_PEN:
        return dc->State().pen;
    case OBJ_BRUSH:
        return dc->State().brush;
    case OBJ_FONT:
        return dc->State().font;
    case OBJ_BITMAP:
        return dc->State().bitmap;
    default:
        return nullptr;
    }
}
