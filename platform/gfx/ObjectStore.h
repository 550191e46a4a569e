#pragma once
// Owner of every pen, brush, font and bitmap, and of the stock objects.
#include "platform/base/HandleTable.h"
#include "platform/gfx/GdiObject.h"

#include <array>
#include <optional>
#include <type_traits>

namespace gfx {

class ObjectStore {
  public:
    static ObjectStore& Instance();
    // Deletes the store and every object in it; the next Instance() starts a new one.
    static void Shutdown();

    HGDIOBJ Add(GdiObject object);
    template <class H> GdiObject* Find(H handle) const { return table.Find(ToValue(handle)); }
    template <class T, class H> T* FindAs(H handle) const {
        GdiObject* object = Find(handle);
        return object ? std::get_if<T>(&object->data) : nullptr;
    }
    // Stock objects are never deleted; selected ones are deleted when released.
    bool Delete(HGDIOBJ handle);
    // Selection counting: Release performs a deletion deferred while the object was selected.
    void Retain(HGDIOBJ handle);
    void Release(HGDIOBJ handle);

    HGDIOBJ Stock(int index) const;
    HGDIOBJ DefaultBitmap() const { return defaultBitmap; }
    HBRUSH SysColorBrush(int index) const;
    // The colour a brush paints with; none for a null brush or a bad handle. A system colour
    // index + 1 counts as that colour's brush.
    template <class H> std::optional<COLORREF> BrushColor(H brush) const {
        return BrushColorOf(ToValue(brush));
    }
    FontInstance& Font(HGDIOBJ font);

  private:
    template <class H> static std::uintptr_t ToValue(H handle) {
        if constexpr (std::is_integral_v<H>) {
            return handle;
        } else {
            return HandleValue(handle);
        }
    }
    ObjectStore();
    HGDIOBJ AddStock(GdiObject object);
    std::optional<COLORREF> BrushColorOf(std::uintptr_t value) const;

    HandleTable<GdiObject> table{0x6};
    std::array<HGDIOBJ, 18> stock{};
    std::array<HBRUSH, 31> sysBrushes{};
    HGDIOBJ defaultBitmap = nullptr;
};

} // namespace gfx
