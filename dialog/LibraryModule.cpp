#include "dialog/LibraryModule.h"

#include "platform/win/Resources.h"
#include "resources/LibraryResources.h"

namespace qvsql {

// Asked every time: registering again adds nothing, and a store that was reset is refilled.
HMODULE LibraryModule() {
    HMODULE module = win::Resources::Get().RegisterModule(libraryModuleName);
    res::RegisterLibraryResources(module);
    return module;
}

} // namespace qvsql
