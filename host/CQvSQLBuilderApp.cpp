#include "host/CQvSQLBuilderApp.h"

#include "controls/XListMessages.h"
#include "dialog/LibraryModule.h"
#include "host/ResidentLibraries.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/gfx/GraphicsShutdown.h"
#include "platform/win/WindowSystem.h"

namespace {

// Made before every other static object of the library, so destroyed after all of them: by
// then nothing is left that could release a drawing object, and the unload leaves no heap
// behind.
struct GraphicsLifetime {
    GraphicsLifetime() = default;
    GraphicsLifetime(const GraphicsLifetime&) = delete;
    GraphicsLifetime& operator=(const GraphicsLifetime&) = delete;
    ~GraphicsLifetime() { gfx::ShutdownGraphics(); }
};
[[gnu::init_priority(101)]] GraphicsLifetime graphicsLifetime;

CQvSQLBuilderApp theApp;

} // namespace

CQvSQLBuilderApp& TheQvSQLBuilderApp() {
    return theApp;
}

BEGIN_MESSAGE_MAP(CQvSQLBuilderApp, CWinApp)
END_MESSAGE_MAP()

CQvSQLBuilderApp::CQvSQLBuilderApp() {
    qvsql::KeepStatefulLibrariesResident();
    m_hInstance = qvsql::LibraryModule();
    // The window system must outlive this object: it is torn down after us at unload.
    win::GetBackend();
    ctl::RegisterBuiltinControls();
    GetXListMessages();
    selectDialog.UseModuleSettings(&settings);
}

CQvSQLBuilderApp::~CQvSQLBuilderApp() = default;
