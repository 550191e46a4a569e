#pragma once
// What the player looks at: the active modal window, its controls, list and combo entries,
// the grid drop-down, message boxes. Every point returned is in screen pixels.
#include "platform/win/WinUser.h"

#include <string>

namespace qvsql::scriptwin {

// The front-most visible window that runs a modal loop; null when none does.
HWND ActiveModalWindow();
std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
POINT CentreOf(HWND hwnd);
POINT ClientToScreenPoint(HWND hwnd, POINT p);
// The text a message box shows; false when hwnd is no message box.
bool MessageBoxText(HWND hwnd, std::string& text);

// Entries of a list box: the index of the entry equal to text, or -1.
int FindEntry(HWND list, const std::string& text);
// Scrolls the entry into view when it is not, as a person would, and gives its rectangle in
// client pixels; false for an index out of range.
bool EntryRect(HWND list, int index, RECT& rect);
// The centre of an entry's text; for a check list, of its check box when box is true.
bool EntryPoint(HWND list, int index, bool box, POINT& screen);

// The list of a dropped combo box; null when it is not dropped.
HWND DroppedList(HWND combo);
// The list box inside the open grid drop-down; null when none is open.
HWND GridDropDownList();

} // namespace qvsql::scriptwin
