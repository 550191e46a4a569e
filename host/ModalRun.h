#pragma once
// Modal runs of the library's dialogs inside a host process.
#include <cstdint>

class CDialog;

namespace qvsql {

// The first run sets up the display: a QVSQL_SCRIPT player, else the backend the
// environment chooses (x11 on a display, else headless, where a dialog cancels at once).
std::intptr_t RunLibraryModal(CDialog& dialog);

} // namespace qvsql
