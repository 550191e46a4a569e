#include "platform/gfx/Icon.h"

#include "platform/base/HandleTable.h"

#include <utility>

namespace gfx {

namespace {

// Outlives the static objects that hold icons; emptied only by DestroyAll.
HandleTable<Icon>* table = nullptr;

HandleTable<Icon>& Table() {
    if (!table) {
        table = new HandleTable<Icon>(0x7);
    }
    return *table;
}

} // namespace

HICON Icon::Register(Icon icon) {
    return MakeHandle<HICON>(Table().Add(std::make_unique<Icon>(std::move(icon))));
}

const Icon* Icon::Find(HICON handle) {
    return Table().Find(HandleValue(handle));
}

bool Icon::Destroy(HICON handle) {
    return Table().Remove(HandleValue(handle)) != nullptr;
}

void Icon::DestroyAll() {
    // Unhooked first: the destruction finds no half-dead table to reach into.
    delete std::exchange(table, nullptr);
}

void Icon::Paint(Canvas& canvas, const RECT& logical, std::optional<std::uint32_t> solid,
                 bool withMask) const {
    const RECT on = canvas.ToSurface(logical);
    const int s = canvas.Scale();
    // Each buffer pixel takes the nearest icon pixel, which keeps edges sharp at any scale.
    const RECT target{on.left * s, on.top * s, on.right * s, on.bottom * s};
    const LONG w = target.right - target.left;
    const LONG h = target.bottom - target.top;
    if (!canvas || w <= 0 || h <= 0 || width <= 0 || height <= 0) {
        return;
    }
    Surface& surface = *canvas.Dc().Target();
    canvas.Pixels().ForEachSpan(target, [&](LONG y, LONG x0, LONG x1) {
        const auto sy = static_cast<std::size_t>((y - target.top) * height / h);
        std::uint32_t* row = surface.Row(y);
        for (LONG x = x0; x < x1; ++x) {
            const std::size_t i = sy * static_cast<std::size_t>(width) +
                                  static_cast<std::size_t>((x - target.left) * width / w);
            if (!withMask || opaque[i]) {
                row[x] = solid ? *solid : pixels[i];
            }
        }
    });
}

} // namespace gfx
