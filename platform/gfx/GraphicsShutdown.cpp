#include "platform/gfx/GraphicsShutdown.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ObjectStore.h"

namespace gfx {

// Device contexts release their selections into the store; stored fonts point into the
// font library.
void ShutdownGraphics() {
    DeviceContext::DestroyAll();
    Icon::DestroyAll();
    ObjectStore::Shutdown();
    FontLibrary::Shutdown();
}

} // namespace gfx
