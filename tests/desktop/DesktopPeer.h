#pragma once
// The other side of the X connection in the desktop tests: finds the library's windows, reads
// their properties back from the server, and clicks or closes them as a user or a window
// manager would.
#include "platform/base/WinDef.h"

// gtest first in the tests: Xlib defines None and Status as macros.
#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace desktoptest {

constexpr const char* DialogTitle = "Orvane SQL Query Builder - SELECT SQL Query";

// The viewable top-level window with that title, waited for a few seconds; 0 if none.
::Window WaitForWindow(Display* display, const char* title = DialogTitle);
// A viewable override-redirect window (a popup list), waited for a few seconds; 0 if none.
::Window WaitForPopup(Display* display);
// Until the window is gone or unmapped, for a few seconds.
bool WaitUntilGone(Display* display, ::Window window);

std::vector<long> Cardinals(Display* display, ::Window window, const char* property);
std::vector<std::string> AtomNames(Display* display, ::Window window, const char* property);
std::string Text(Display* display, ::Window window, const char* property);
::Window TransientFor(Display* display, ::Window window);
RECT RootRect(Display* display, ::Window window);

void Click(Display* display, ::Window window, POINT at);
// The window manager's close request (WM_DELETE_WINDOW).
void RequestClose(Display* display, ::Window window);
// Sets _NET_ACTIVE_WINDOW on the root, as a window manager does.
void SetActiveWindow(Display* display, ::Window window);

// Client positions in the query builder, laid out headless from the same template and fonts.
struct DialogTargets {
    POINT tableCombo; // centre of the FROM combo box
    POINT fieldsCell; // Fields cell of the first WHERE row
    POINT okButton;
    POINT nameBox; // the check box of the column list's third item, "Name" in the sample
};
DialogTargets QueryBuilderTargets();

} // namespace desktoptest
