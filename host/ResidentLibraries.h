#pragma once
// Third-party libraries that keep process-wide state they never free.

namespace qvsql {

// Marks libX11 and fontconfig as never to be unloaded: unloading them with this library would
// strand what their own initialisation allocated, once per load, and a later load would
// initialise them again from scratch.
void KeepStatefulLibrariesResident();

} // namespace qvsql
