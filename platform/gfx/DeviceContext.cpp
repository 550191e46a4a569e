#include "platform/gfx/DeviceContext.h"

#include "platform/gfx/ObjectStore.h"

#include <limits>
#include <utility>

namespace gfx {

namespace {

// Outlives the static objects that hold device contexts; emptied only by DestroyAll.
HandleTable<DeviceContext>* table = nullptr;

HandleTable<DeviceContext>& Table() {
    if (!table) {
        table = new HandleTable<DeviceContext>(0x5);
    }
    return *table;
}

constexpr LONG Far = std::numeric_limits<LONG>::max() / 4;

bool IsKind(HGDIOBJ object, std::size_t kind) {
    const GdiObject* o = ObjectStore::Instance().Find(object);
    return o && o->data.index() == kind;
}

} // namespace

DeviceContext::DeviceContext(Surface* surface, POINT deviceOrigin, const Region& clip)
    : borrowed(surface), origin(deviceOrigin), systemClip(clip) {
    ObjectStore& store = ObjectStore::Instance();
    DcState initial;
    initial.pen = store.Stock(BLACK_PEN);
    initial.brush = store.Stock(WHITE_BRUSH);
    initial.font = store.Stock(SYSTEM_FONT);
    initial.bitmap = surface ? nullptr : store.DefaultBitmap();
    Adopt(std::move(initial));
}

DeviceContext::~DeviceContext() {
    Adopt(DcState{});
}

HDC DeviceContext::Register(std::unique_ptr<DeviceContext> dc) {
    return MakeHandle<HDC>(Table().Add(std::move(dc)));
}

DeviceContext* DeviceContext::Find(HDC hdc) {
    return Table().Find(HandleValue(hdc));
}

bool DeviceContext::Destroy(HDC hdc) {
    return Table().Remove(HandleValue(hdc)) != nullptr;
}

void DeviceContext::DestroyAll() {
    // Unhooked first: the destruction finds no half-dead table to reach into.
    delete std::exchange(table, nullptr);
}

// Moves to a new state, keeping the selection counts of the objects right.
void DeviceContext::Adopt(DcState next) {
    ObjectStore& store = ObjectStore::Instance();
    for (HGDIOBJ o : {next.pen, next.brush, next.font, next.bitmap}) {
        store.Retain(o);
    }
    for (HGDIOBJ o : {state.pen, state.brush, state.font, state.bitmap}) {
        store.Release(o);
    }
    state = std::move(next);
    clipDirty = true;
}

HGDIOBJ DeviceContext::Select(HGDIOBJ object) {
    ObjectStore& store = ObjectStore::Instance();
    GdiObject* o = store.Find(object);
    if (!o) {
        return nullptr;
    }
    DcState next = state;
    HGDIOBJ* slot = nullptr;
    if (std::holds_alternative<PenData>(o->data)) {
        slot = &next.pen;
    } else if (std::holds_alternative<BrushData>(o->data)) {
        slot = &next.brush;
    } else if (std::holds_alternative<FontData>(o->data)) {
        slot = &next.font;
    } else if (IsMemory() &&
               (o->selections == 0 || object == store.DefaultBitmap() || object == state.bitmap)) {
        slot = &next.bitmap;
    } else {
        return nullptr;
    }
    HGDIOBJ previous = *slot;
    *slot = object;
    Adopt(std::move(next));
    return previous;
}

int DeviceContext::Save() {
    saved.push_back(state);
    return static_cast<int>(saved.size());
}

bool DeviceContext::Restore(int level) {
    const int count = static_cast<int>(saved.size());
    const int target = level < 0 ? count + level + 1 : level;
    if (target < 1 || target > count) {
        return false;
    }
    DcState next = saved[static_cast<std::size_t>(target - 1)];
    saved.resize(static_cast<std::size_t>(target - 1));
    // Objects deleted since the save fall back to the defaults.
    ObjectStore& store = ObjectStore::Instance();
    if (!IsKind(next.pen, 0)) {
        next.pen = store.Stock(BLACK_PEN);
    }
    if (!IsKind(next.brush, 1)) {
        next.brush = store.Stock(WHITE_BRUSH);
    }
    if (!IsKind(next.font, 2)) {
        next.font = store.Stock(SYSTEM_FONT);
    }
    const GdiObject* bitmap = store.Find(next.bitmap);
    if (IsMemory() && next.bitmap != state.bitmap &&
        (!bitmap || !std::holds_alternative<BitmapData>(bitmap->data) ||
         (bitmap->selections > 0 && next.bitmap != store.DefaultBitmap()))) {
        next.bitmap = store.DefaultBitmap();
    }
    Adopt(std::move(next));
    return true;
}

void DeviceContext::ClipDevice(const RECT& device) {
    if (!state.clip) {
        state.clip = Region(RECT{-Far, -Far, Far, Far});
    }
    state.clip->Intersect(device);
    clipDirty = true;
}

Surface* DeviceContext::Target() const {
    if (borrowed) {
        return borrowed;
    }
    BitmapData* bitmap = ObjectStore::Instance().FindAs<BitmapData>(state.bitmap);
    return bitmap ? &bitmap->surface : nullptr;
}

const Region& DeviceContext::Clip() {
    const Surface* surface = Target();
    const int w = surface ? surface->Width() : 0;
    const int h = surface ? surface->Height() : 0;
    if (!clipDirty && w == cachedWidth && h == cachedHeight) {
        return clipCache;
    }
    clipCache = Region(RECT{0, 0, w, h});
    if (!IsMemory()) {
        clipCache.Intersect(systemClip);
    }
    if (state.clip) {
        Region own = *state.clip;
        own.Offset(origin.x, origin.y);
        clipCache.Intersect(own);
    }
    clipDirty = false;
    cachedWidth = w;
    cachedHeight = h;
    return clipCache;
}

POINT DeviceContext::ToSurface(POINT p) const {
    return {p.x - state.windowOrg.x + origin.x, p.y - state.windowOrg.y + origin.y};
}

RECT DeviceContext::ToSurface(const RECT& r) const {
    const POINT tl = ToSurface(POINT{r.left, r.top});
    return {tl.x, tl.y, tl.x + (r.right - r.left), tl.y + (r.bottom - r.top)};
}

POINT DeviceContext::ToLogical(POINT p) const {
    return {p.x + state.windowOrg.x - origin.x, p.y + state.windowOrg.y - origin.y};
}

std::optional<std::uint32_t> DeviceContext::PenPixel() const {
    const PenData* pen = ObjectStore::Instance().FindAs<PenData>(state.pen);
    if (!pen || pen->log.lopnStyle == static_cast<UINT>(PS_NULL)) {
        return std::nullopt;
    }
    return PixelFromColor(pen->log.lopnColor);
}

int DeviceContext::PenWidth() const {
    const PenData* pen = ObjectStore::Instance().FindAs<PenData>(state.pen);
    return pen && pen->log.lopnWidth.x > 1 ? pen->log.lopnWidth.x : 1;
}

std::optional<std::uint32_t> DeviceContext::BrushPixel() const {
    const std::optional<COLORREF> c = ObjectStore::Instance().BrushColor(state.brush);
    return c ? std::optional<std::uint32_t>(PixelFromColor(*c)) : std::nullopt;
}

FontInstance& DeviceContext::Font() const {
    return ObjectStore::Instance().Font(state.font);
}

} // namespace gfx
