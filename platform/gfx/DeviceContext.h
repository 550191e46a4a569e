#pragma once
// The state behind an HDC: selected objects, colours, modes, origins, clipping and the
// pixels it draws into (a borrowed surface, or the bitmap selected into a memory DC).
#include "platform/base/GdiTypes.h"
#include "platform/base/HandleTable.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <memory>
#include <optional>
#include <vector>

namespace gfx {

class FontInstance;

struct DcState {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    HGDIOBJ bitmap = nullptr; // memory DCs only
    COLORREF textColor = 0;
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    POINT windowOrg{};
    POINT position{};
    std::optional<Region> clip; // the DC's own clipping, device coordinates
};

class DeviceContext {
  public:
    // surface null = a memory DC.
    DeviceContext(Surface* surface, POINT deviceOrigin, const Region& systemClip);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    static HDC Register(std::unique_ptr<DeviceContext> dc);
    static DeviceContext* Find(HDC hdc);
    static bool Destroy(HDC hdc);
    // Destroys every device context still open, releasing what they hold selected.
    static void DestroyAll();

    bool IsMemory() const { return borrowed == nullptr; }
    const DcState& State() const { return state; }
    DcState& Attributes() { return state; } // colours, modes, origins, position
    // Returns the object replaced, null on failure.
    HGDIOBJ Select(HGDIOBJ object);
    int Save();
    bool Restore(int level);

    void ClipDevice(const RECT& device);

    Surface* Target() const;
    // Where drawing may land, in surface pixels.
    const Region& Clip();
    POINT ToSurface(POINT logical) const;
    RECT ToSurface(const RECT& logical) const;
    POINT ToLogical(POINT surfacePoint) const;
    // The bounds of every pixel drawn through this DC so far, in surface pixels.
    RECT& Drawn() { return drawn; }

    std::optional<std::uint32_t> PenPixel() const;
    int PenWidth() const;
    std::optional<std::uint32_t> BrushPixel() const;
    FontInstance& Font() const;

  private:
    void Adopt(DcState next);

    Surface* borrowed;
    POINT origin;
    Region systemClip;
    DcState state;
    std::vector<DcState> saved;
    Region clipCache;
    bool clipDirty = true;
    int cachedWidth = -1;
    int cachedHeight = -1;
    RECT drawn{};
};

} // namespace gfx
