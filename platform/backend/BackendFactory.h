#pragma once
// Choosing the display: QVSQL_BACKEND=x11|headless; by default x11 when DISPLAY is set,
// else headless. A backend that cannot start falls back to headless.
#include "platform/win/Backend.h"

#include <memory>

namespace backend {

std::unique_ptr<win::Backend> CreateBackend();
std::unique_ptr<win::Backend> CreateHeadlessBackend();
// Null when no X display can be used.
std::unique_ptr<win::Backend> CreateX11Backend();
// Creates the chosen backend and gives it to the window system.
void InstallBackend();

} // namespace backend
