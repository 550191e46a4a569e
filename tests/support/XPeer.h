#pragma once
// The other side of an X connection in the tests: finds windows, reads their properties and
// pixels back from the server, and clicks or closes them as a user or a window manager would.
#include "platform/base/WinDef.h"

// gtest first in the tests: Xlib defines None and Status as macros.
#include <X11/Xlib.h>

#include <functional>
#include <string>
#include <vector>

namespace x11test {

// Whether done() came true within a few seconds, asked every few milliseconds.
bool Eventually(const std::function<bool()>& done);
// The viewable top-level window with that title, waited for a few seconds; 0 if none.
::Window WaitForWindow(Display* display, const char* title);
// A viewable override-redirect window (a popup list), waited for a few seconds; 0 if none.
::Window WaitForPopup(Display* display);
// Until the window is gone or unmapped, for a few seconds.
bool WaitUntilGone(Display* display, ::Window window);

// A property's bytes as the client library hands them (longs for format 32), with its type
// and format; take deletes it, as the reader of a selection does.
std::string PropertyBytes(Display* display, ::Window window, Atom property, Atom* type = nullptr,
                          int* format = nullptr, bool take = false);
std::vector<long> Cardinals(Display* display, ::Window window, const char* property);
std::vector<std::string> AtomNames(Display* display, ::Window window, const char* property);
// A format-8 property ("" otherwise), and its type if asked.
std::string Text(Display* display, ::Window window, const char* property, Atom* type = nullptr);
::Window TransientFor(Display* display, ::Window window);
RECT RootRect(Display* display, ::Window window);
// The pixel the server holds at a point of the window; ~0 when it cannot be read.
unsigned long ServerPixel(Display* display, ::Window window, int x, int y);

void Click(Display* display, ::Window window, POINT at);
// The window manager's close request (WM_DELETE_WINDOW).
void RequestClose(Display* display, ::Window window);
// Sets _NET_ACTIVE_WINDOW on the root, as a window manager does.
void SetNetActiveWindow(Display* display, ::Window window);

} // namespace x11test
