#pragma once
// Puts the library's templates and icons under its module handle, as the loader would
// find them in the library's resource section.
#include "platform/base/WinDef.h"

namespace res {

// Registers everything under module; repeated calls register nothing new.
void RegisterLibraryResources(HMODULE module);

} // namespace res
