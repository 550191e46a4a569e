#pragma once
// The drawing objects behind HGDIOBJ handles.
#include "platform/base/GdiTypes.h"
#include "platform/gfx/Surface.h"

#include <variant>

namespace gfx {

class FontInstance;

struct PenData {
    LOGPEN log;
};

struct BrushData {
    LOGBRUSH log;
    int sysColor = -1; // a system colour brush follows the colour's current value
};

struct FontData {
    LOGFONTA log;
    FontInstance* instance = nullptr; // realised on first use, owned by the font library
};

struct BitmapData {
    Surface surface;
};

struct GdiObject {
    std::variant<PenData, BrushData, FontData, BitmapData> data;
    bool stock = false;
    int selections = 0; // number of DCs holding it selected
    bool deletePending = false;
};

} // namespace gfx
