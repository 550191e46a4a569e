#pragma once
// Modal runs of the library's dialogs inside a host process.
#include <cstdint>

class CDialog;

namespace qvsql {

// The first run sets up the display: a QVSQL_SCRIPT player, else the backend the
// environment chooses. Without a script, a run finding no display that takes input (none
// was found, or the X server went away) looks for one again; when there is still none it
// says why in one line on standard error and answers -1 without showing the dialog.
std::intptr_t RunLibraryModal(CDialog& dialog);

} // namespace qvsql
