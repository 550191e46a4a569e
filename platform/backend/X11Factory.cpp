#include "platform/backend/BackendFactory.h"

namespace backend {

// The X11 display is not part of this build yet; callers fall back to headless.
std::unique_ptr<win::Backend> CreateX11Backend() {
    return nullptr;
}

} // namespace backend
