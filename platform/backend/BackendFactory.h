#pragma once
// Choosing the display: QVSQL_BACKEND=x11|headless; by default x11 when DISPLAY is set,
// else headless. A backend that cannot start falls back to headless, which takes no input.
#include "platform/win/Backend.h"

#include <memory>
#include <string>

namespace backend {

// why (when given) is set to one line saying why the result takes no input, or cleared.
std::unique_ptr<win::Backend> CreateBackend(std::string* why = nullptr);
std::unique_ptr<win::Backend> CreateHeadlessBackend();
// Null when no X display can be used; why says why.
std::unique_ptr<win::Backend> CreateX11Backend(std::string* why = nullptr);
// Gives the chosen backend to the window system in place of the current one; the top-level
// windows that exist get their native counterparts on it. Answers CreateBackend's why.
std::string InstallBackend();
// True when the installed display is an X server that has gone away.
bool DisplayLost();

} // namespace backend
