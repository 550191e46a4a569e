#include "platform/gfx/ObjectStore.h"

#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/SysColors.h"

#include <cstring>
#include <utility>

namespace gfx {

namespace {

GdiObject MakeBrush(UINT style, COLORREF colour, int sysColor = -1) {
    return {BrushData{{style, colour, 0}, sysColor}};
}

GdiObject MakePen(UINT style, COLORREF colour) {
    return {PenData{{style, {1, 0}, colour}}};
}

GdiObject MakeFont(LONG height, LONG weight, const char* face) {
    LOGFONTA log;
    log.lfHeight = height;
    log.lfWeight = weight;
    std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return {FontData{log}};
}

// Not a static object: static objects may still release handles while they are destroyed,
// so the store goes only when Shutdown is called after all of them.
ObjectStore* store = nullptr;

} // namespace

ObjectStore& ObjectStore::Instance() {
    if (!store) {
        store = new ObjectStore;
    }
    return *store;
}

void ObjectStore::Shutdown() {
    // Unhooked first: the destruction finds no half-dead store to reach into.
    delete std::exchange(store, nullptr);
}

ObjectStore::ObjectStore() {
    stock[WHITE_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(255, 255, 255)));
    stock[LTGRAY_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(192, 192, 192)));
    stock[GRAY_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(128, 128, 128)));
    stock[DKGRAY_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(64, 64, 64)));
    stock[BLACK_BRUSH] = AddStock(MakeBrush(BS_SOLID, RGB(0, 0, 0)));
    stock[NULL_BRUSH] = AddStock(MakeBrush(BS_NULL, 0));
    stock[WHITE_PEN] = AddStock(MakePen(PS_SOLID, RGB(255, 255, 255)));
    stock[BLACK_PEN] = AddStock(MakePen(PS_SOLID, 0));
    stock[NULL_PEN] = AddStock(MakePen(PS_NULL, 0));
    // The system font is bold so that it measures about 8/7 of the dialog font's width.
    stock[SYSTEM_FONT] = AddStock(MakeFont(-11, FW_BOLD, "System"));
    stock[DEVICE_DEFAULT_FONT] = stock[SYSTEM_FONT];
    stock[ANSI_VAR_FONT] = AddStock(MakeFont(-11, FW_NORMAL, "MS Sans Serif"));
    stock[DEFAULT_GUI_FONT] = AddStock(MakeFont(-11, FW_NORMAL, "MS Shell Dlg"));
    stock[OEM_FIXED_FONT] = AddStock(MakeFont(-12, FW_NORMAL, "Courier"));
    stock[ANSI_FIXED_FONT] = stock[OEM_FIXED_FONT];
    stock[SYSTEM_FIXED_FONT] = stock[OEM_FIXED_FONT];
    for (int i = 0; i < SysColorCount; ++i) {
        sysBrushes[static_cast<std::size_t>(i)] =
            reinterpret_cast<HBRUSH>(AddStock(MakeBrush(BS_SOLID, 0, i)));
    }
    defaultBitmap = AddStock({BitmapData{Surface(1, 1)}});
}

HGDIOBJ ObjectStore::AddStock(GdiObject object) {
    object.stock = true;
    return Add(std::move(object));
}

HGDIOBJ ObjectStore::Add(GdiObject object) {
    return MakeHandle<HGDIOBJ>(table.Add(std::make_unique<GdiObject>(std::move(object))));
}

bool ObjectStore::Delete(HGDIOBJ handle) {
    GdiObject* object = Find(handle);
    if (!object) {
        return false;
    }
    if (object->stock) {
        return true;
    }
    if (object->selections > 0) {
        object->deletePending = true;
        return true;
    }
    table.Remove(HandleValue(handle));
    return true;
}

void ObjectStore::Retain(HGDIOBJ handle) {
    if (GdiObject* object = Find(handle)) {
        ++object->selections;
    }
}

void ObjectStore::Release(HGDIOBJ handle) {
    GdiObject* object = Find(handle);
    if (object && object->selections > 0 && --object->selections == 0 && object->deletePending) {
        table.Remove(HandleValue(handle));
    }
}

HGDIOBJ ObjectStore::Stock(int index) const {
    return index >= 0 && index < static_cast<int>(stock.size())
               ? stock[static_cast<std::size_t>(index)]
               : nullptr;
}

HBRUSH ObjectStore::SysColorBrush(int index) const {
    return index >= 0 && index < SysColorCount ? sysBrushes[static_cast<std::size_t>(index)]
                                               : nullptr;
}

std::optional<COLORREF> ObjectStore::BrushColorOf(std::uintptr_t value) const {
    if (value >= 1 && value <= SysColorCount) {
        return GetSysColor(static_cast<int>(value - 1));
    }
    const BrushData* data = FindAs<BrushData>(value);
    if (!data || data->log.lbStyle == BS_NULL) {
        return std::nullopt;
    }
    return data->sysColor >= 0 ? GetSysColor(data->sysColor) : data->log.lbColor;
}

FontInstance& ObjectStore::Font(HGDIOBJ font) {
    FontData* data = FindAs<FontData>(font);
    if (!data) {
        data = FindAs<FontData>(stock[SYSTEM_FONT]);
    }
    if (!data->instance) {
        data->instance = &FontLibrary::Instance().Realize(data->log);
    }
    return *data->instance;
}

} // namespace gfx
