// Modal loops: ending when no input can come, and nesting under a script.
#include "tests/platform/WinFixture.h"

#include "platform/backend/BackendFactory.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/WindowSystem.h"

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

TEST_F(Modal, NestedLoopsDisableTheirOwnersAndSeeTheHookFirst) {
    HWND owner = Popup("O", {0, 0, 300, 300});
    HWND outer = Popup("D", {20, 20, 220, 220}, owner);
    HWND inner = nullptr;
    LONG_PTR innerResult = 0;
    std::vector<std::string> hooked;
    win::SetPreTranslateHook([&](MSG& m) {
        if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
            hooked.push_back(names[m.hwnd]);
            ModalLoop::End(GetAncestor(m.hwnd, GA_ROOT), IDCANCEL);
            return true;
        }
        return false;
    });
    On(outer, WM_USER, [&](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        inner = Popup("W", {40, 40, 140, 140}, h);
        innerResult = ModalLoop::Run(inner);
        DestroyWindow(inner);
        return 0;
    });
    On(outer, WM_LBUTTONDOWN, [&](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        ModalLoop::End(h, IDOK);
        return 0;
    });
    int step = 0;
    bool ownerEnabledInside = true;
    bool outerEnabledInside = true;
    display->SetScript([&](backend::HeadlessBackend& d) {
        if (step == 0) {
            PostMessageA(outer, WM_USER, 0, 0);
        } else if (step == 1) {
            ownerEnabledInside = IsWindowEnabled(owner) != FALSE;
            outerEnabledInside = IsWindowEnabled(outer) != FALSE;
            d.Click(200, 200); // on the disabled outer dialog: nothing
            d.Key(VK_ESCAPE);  // ends the inner loop through the hook
        } else if (step == 2) {
            d.Click(200, 200); // outer is enabled again
        }
        return step++ < 3;
    });
    EXPECT_EQ(ModalLoop::Run(outer), IDOK);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_FALSE(outerEnabledInside);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_EQ(hooked, std::vector<std::string>{"W"});
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner) << "the owner is reactivated";
    win::SetPreTranslateHook(nullptr);
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
