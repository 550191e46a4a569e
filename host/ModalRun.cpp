#include "host/ModalRun.h"

#include "automation/ScriptEnvironment.h"
#include "platform/afx/CDialog.h"
#include "platform/backend/BackendFactory.h"

namespace qvsql {

namespace {

void PrepareDisplay() {
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    if (!StartScriptFromEnvironment())
        backend::InstallBackend();
}

} // namespace

std::intptr_t RunLibraryModal(CDialog& dialog) {
    PrepareDisplay();
    return dialog.DoModal();
}

} // namespace qvsql
