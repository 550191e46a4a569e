#pragma once
// An icon image: colours and an opacity mask, behind HICON handles.
#include "platform/gfx/Canvas.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace gfx {

struct Icon {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top row first
    std::vector<bool> opaque;

    static HICON Register(Icon icon);
    static const Icon* Find(HICON handle);
    static bool Destroy(HICON handle);
    // Destroys every icon, shared ones included.
    static void DestroyAll();

    // Draws the icon scaled to the logical rectangle; solid replaces the colour of every
    // opaque pixel; withMask false draws the transparent pixels too.
    void Paint(Canvas& canvas, const RECT& logical, std::optional<std::uint32_t> solid,
               bool withMask) const;
};

} // namespace gfx
