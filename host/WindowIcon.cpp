#include "host/WindowIcon.h"

#include "platform/backend/X11WindowHints.h"
#include "resources/IconGlyphs.h"
#include "resources/ResourceIds.h"

namespace qvsql {

void ShareLibraryIcon() {
    const res::IconImage image = res::IconGlyph(res::IDI_PLUS);
    std::vector<unsigned long> icon = {static_cast<unsigned long>(image.width),
                                       static_cast<unsigned long>(image.height)};
    for (std::size_t i = 0; i < image.colours.size(); ++i) {
        const COLORREF c = image.colours[i];
        const unsigned long alpha = i < image.mask.size() && image.mask[i] ? 0 : 0xFF;
        icon.push_back(alpha << 24 | static_cast<unsigned long>(GetRValue(c)) << 16 |
                       static_cast<unsigned long>(GetGValue(c)) << 8 | GetBValue(c));
    }
    backend::X11WindowHints::SetIcon(std::move(icon));
}

} // namespace qvsql
