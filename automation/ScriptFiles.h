#pragma once
// The files a script touches in the host's process: the script itself (a regular file of at
// most MaxScriptBytes, never a FIFO or device that could block), its screenshots (always new
// files: never through a symbolic link, never over an existing file) and the failure line a
// host can ask for on a descriptor of its own (QVSQL_SCRIPT_FAILURE_FD).
#include "platform/backend/HeadlessBackend.h"

#include <string>

namespace qvsql {

// The script's text, or false with why set to one line.
bool ReadScriptFile(const char* path, std::string& text, std::string& why);
// The window as PNG in a file created for it; false when the file exists or cannot be made.
bool WriteNewScreenshot(const backend::HeadlessBackend& display, HWND window,
                        const std::string& path);
// The line on standard error and, when QVSQL_SCRIPT_FAILURE_FD names a descriptor, there.
void ReportScriptFailure(const std::string& line);

} // namespace qvsql
