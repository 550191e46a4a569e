#include "host/ModalRun.h"

#include "automation/ScriptEnvironment.h"
#include "host/WindowIcon.h"
#include "platform/afx/CDialog.h"
#include "platform/backend/BackendFactory.h"
#include "platform/win/WindowSystem.h"

#include <cstdio>

namespace qvsql {

namespace {

// Answers "" when the installed display takes input, else why it does not.
std::string PrepareDisplay() {
    static bool scripted = false;
    static bool prepared = false;
    if (!prepared) {
        prepared = true;
        ShareLibraryIcon();
        scripted = StartScriptFromEnvironment();
    }
    if (scripted || (win::GetBackend().CanReceiveInput() && !backend::DisplayLost())) {
        return {};
    }
    return backend::InstallBackend();
}

} // namespace

std::intptr_t RunLibraryModal(CDialog& dialog) {
    const std::string why = PrepareDisplay();
    if (!why.empty()) {
        std::fprintf(stderr, "qvsql: %s; the dialog is not shown\n", why.c_str());
        return -1;
    }
    return dialog.DoModal();
}

} // namespace qvsql
