#pragma once
// The icon the window manager shows for the library's dialogs.

namespace qvsql {

// Hands the library's own icon (resource 1006, the blue plus on transparency) to the X11
// display for every framed window it makes.
void ShareLibraryIcon();

} // namespace qvsql
