#include "platform/backend/BackendFactory.h"
#include "platform/backend/HeadlessBackend.h"

namespace backend {

std::unique_ptr<win::Backend> CreateHeadlessBackend() {
    return std::make_unique<HeadlessBackend>();
}

} // namespace backend
