// Key-to-character latency through the X11 path: an XTest key press from another client on
// a private Xvfb until the focused edit's text has changed (X event, input method, routing,
// TranslateMessage, WM_CHAR, the edit's change). Skipped without Xvfb.
#include "platform/backend/X11Backend.h"
#include "platform/base/WinControls.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"
#include "tests/support/XServer.h"

#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr DWORD GiveUpMs = 2000;

struct Stage {
    backend::X11Backend* display = nullptr;
    Display* user = nullptr;
    HWND top = nullptr;
    HWND edit = nullptr;

    bool Open() {
        const std::string& name = x11test::XServer::Name();
        auto made = name.empty() ? nullptr : backend::X11Backend::Open(name.c_str());
        display = made.get();
        win::SetBackend(std::move(made));
        user = display ? XOpenDisplay(name.c_str()) : nullptr;
        if (!user) {
            return false;
        }
        ctl::RegisterBuiltinControls();
        top = CreateWindowExA(0, "Static", "latency", WS_POPUP | WS_VISIBLE, 100, 100, 300, 60,
                              nullptr, nullptr, nullptr, nullptr);
        edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 280,
                               24, top, nullptr, nullptr, nullptr);
        XSync(user, False);
        Pump([&] { return IsWindowVisible(top) != FALSE; });
        XSetInputFocus(user, display->NativeWindow(top), RevertToPointerRoot, CurrentTime);
        SetFocus(edit);
        return Pump([&] { return GetFocus() == edit; });
    }

    template <typename Done> bool Pump(Done done) {
        const DWORD end = display->Now() + GiveUpMs;
        win::PumpMessages();
        while (!done()) {
            if (static_cast<std::int32_t>(end - display->Now()) <= 0) {
                return false;
            }
            display->WaitForInput(display->Now() + 50);
            win::PumpMessages();
        }
        return true;
    }

    ~Stage() {
        if (top) {
            DestroyWindow(top);
        }
        win::SetBackend(nullptr);
        if (user) {
            XCloseDisplay(user);
        }
    }
};

void BM_KeyToCharacterOverX11(benchmark::State& state) {
    Stage stage;
    if (!stage.Open()) {
        state.SkipWithError("no X server with XTest");
        return;
    }
    const KeyCode a = XKeysymToKeycode(stage.user, XK_a);
    for (auto _ : state) {
        const int before = GetWindowTextLengthA(stage.edit);
        XTestFakeKeyEvent(stage.user, a, True, CurrentTime);
        XTestFakeKeyEvent(stage.user, a, False, CurrentTime);
        XFlush(stage.user);
        if (!stage.Pump([&] { return GetWindowTextLengthA(stage.edit) > before; })) {
            state.SkipWithError("the key never arrived");
            return;
        }
        if (before > 200) {
            state.PauseTiming();
            SetWindowTextA(stage.edit, "");
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_KeyToCharacterOverX11)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
