#include "host/ResidentLibraries.h"

#include <X11/Xlib.h>
#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

namespace qvsql {

namespace {

// The library that defines symbol, already loaded, gains the no-unload flag.
void KeepResident(void* symbol) {
    Dl_info info{};
    if (!dladdr(symbol, &info) || !info.dli_fname) {
        return;
    }
    if (void* handle = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE)) {
        dlclose(handle);
    }
}

} // namespace

void KeepStatefulLibrariesResident() {
    KeepResident(reinterpret_cast<void*>(&XInitThreads));
    KeepResident(reinterpret_cast<void*>(&FcInit));
}

} // namespace qvsql
