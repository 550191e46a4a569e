#include "platform/gfx/GraphicsShutdown.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/HarfBuzz.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ObjectStore.h"

namespace gfx {

// Device contexts release their selections into the store; stored fonts point into the
// font library, and realised fonts hold HarfBuzz objects.
void ShutdownGraphics() {
    DeviceContext::DestroyAll();
    Icon::DestroyAll();
    ObjectStore::Shutdown();
    FontLibrary::Shutdown();
    HarfBuzz::Unload();
}

} // namespace gfx
