#pragma once
// The classic message box icons, drawn from shapes at 32 x 32: the warning triangle, the
// information balloon and the error disc. Made once and kept for the process.
#include "platform/base/GdiTypes.h"

namespace ctl {

// The icon of an MB_ICON* type, or null for none.
HICON MessageBoxIcon(UINT type);

} // namespace ctl
