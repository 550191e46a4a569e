#include "platform/backend/BackendFactory.h"
#include "platform/backend/X11Backend.h"

namespace backend {

std::unique_ptr<win::Backend> CreateX11Backend(std::string* why) {
    return X11Backend::Open(nullptr, true, why);
}

} // namespace backend
