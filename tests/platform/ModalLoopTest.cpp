// Modal loops that end when no input can come; nested runs are in DialogManagerTest.
#include "tests/platform/WinFixture.h"

#include "platform/backend/BackendFactory.h"
#include "platform/win/ModalLoop.h"

#include <cstdlib>

namespace wintest {
namespace {

using win::ModalLoop;

class Modal : public WinFixture {};

TEST_F(Modal, AScriptThatRunsOutOrNoInputAtAllEndsTheLoopWithCancel) {
    HWND owner = Popup("O", {0, 0, 300, 300});
    HWND dialog = Popup("D", {50, 50, 150, 150}, owner);
    int calls = 0;
    display->SetScript([&](backend::HeadlessBackend&) { return ++calls < 3; });
    EXPECT_EQ(ModalLoop::Run(dialog), IDCANCEL);
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(display->CanReceiveInput());
    EXPECT_EQ(ModalLoop::Run(dialog), IDCANCEL) << "no input: ends at once";
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(ModalLoop::End(dialog, IDOK)) << "no loop runs any more";
    EXPECT_EQ(ModalLoop::Run(reinterpret_cast<HWND>(0x1234)), IDCANCEL);
}

TEST(BackendFactory, FallsBackToHeadlessWithoutAnX11Display) {
    const char* display = std::getenv("DISPLAY");
    const bool hadDisplay = display != nullptr;
    const std::string saved = hadDisplay ? display : "";
    unsetenv("DISPLAY");
    for (const char* choice : {"x11", "headless", ""}) {
        setenv("QVSQL_BACKEND", choice, 1);
        auto made = backend::CreateBackend();
        EXPECT_NE(dynamic_cast<backend::HeadlessBackend*>(made.get()), nullptr) << choice;
    }
    unsetenv("QVSQL_BACKEND");
    if (hadDisplay) {
        setenv("DISPLAY", saved.c_str(), 1);
    }
}

} // namespace
} // namespace wintest
