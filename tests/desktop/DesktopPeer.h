#pragma once
// The desktop tests' side of the X connection: the X peer's helpers, the library's dialog
// title and where its controls are.
#include "tests/support/XPeer.h"

namespace desktoptest {

using namespace x11test;

constexpr const char* DialogTitle = "Orvane SQL Query Builder - SELECT SQL Query";

// The query builder's window, waited for a few seconds; 0 if none.
inline ::Window WaitForWindow(Display* display, const char* title = DialogTitle) {
    return x11test::WaitForWindow(display, title);
}

// Client positions in the query builder, laid out headless from the same template and fonts.
struct DialogTargets {
    POINT tableCombo; // centre of the FROM combo box
    POINT fieldsCell; // Fields cell of the first WHERE row
    POINT okButton;
    POINT nameBox; // the check box of the column list's third item, "Name" in the sample
};
DialogTargets QueryBuilderTargets();

} // namespace desktoptest
