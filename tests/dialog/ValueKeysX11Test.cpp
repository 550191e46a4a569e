// The WHERE value editor of the real dialog on a private Xvfb, driven by XTest: Ctrl+A and
// Ctrl+V replace the typed text with another application's clipboard, and Tab commits it.
#include "tests/dialog/QueryDialogFixture.h" // before Xlib: Xlib defines None

#include "platform/backend/X11Backend.h"
#include "platform/win/WindowSystem.h"
#include "resources/ResourceIds.h"
#include "tests/platform/SelectionPeer.h"
#include "tests/platform/XServer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <functional>
#include <vector>

namespace dialogtest {
namespace {

constexpr DWORD GiveUpMs = 8000;

// The X11 display, with the test's next step tried before each wait of a modal loop.
class Relay : public win::Backend {
  public:
    Relay(std::unique_ptr<backend::X11Backend> x, std::function<bool()> step)
        : x11(std::move(x)), next(std::move(step)) {}
    DWORD Now() const override { return x11->Now(); }
    SIZE ScreenSize() const override { return x11->ScreenSize(); }
    void CreateNative(HWND h, const RECT& r) override { x11->CreateNative(h, r); }
    void MoveNative(HWND h, const RECT& r) override { x11->MoveNative(h, r); }
    void ShowNative(HWND h, bool v) override { x11->ShowNative(h, v); }
    void SetNativeTitle(HWND h, const std::string& t) override { x11->SetNativeTitle(h, t); }
    void DestroyNative(HWND h) override { x11->DestroyNative(h); }
    void Present(HWND h, const gfx::Surface& s, const gfx::Region& r) override {
        x11->Present(h, s, r);
    }
    void SetCursorShape(HCURSOR c) override { x11->SetCursorShape(c); }
    bool FramesWindows() const override { return true; }
    bool CanReceiveInput() const override { return true; }
    bool WaitForInput(DWORD deadline) override {
        if (!next()) {
            return false;
        }
        const DWORD soon = x11->Now() + 20;
        return x11->WaitForInput(
            deadline && static_cast<std::int32_t>(deadline - soon) < 0 ? deadline : soon);
    }
    void OfferText(win::Selection w, const std::string& t) override { x11->OfferText(w, t); }
    std::optional<std::string> ReadText(win::Selection w) override { return x11->ReadText(w); }
    backend::X11Backend& X11() { return *x11; }

  private:
    std::unique_ptr<backend::X11Backend> x11;
    std::function<bool()> next;
};

class ValueKeysX11Test : public QueryDialogFixture {
  protected:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void Pointer(POINT p, int clicks) {
        XTestFakeMotionEvent(user, -1, p.x, p.y, CurrentTime);
        for (int i = 0; i < clicks; ++i) {
            XTestFakeButtonEvent(user, 1, True, CurrentTime);
            XTestFakeButtonEvent(user, 1, False, CurrentTime);
        }
        XFlush(user);
    }
    void Tap(KeySym key, KeySym held = NoSymbol) {
        const KeyCode code = XKeysymToKeycode(user, key);
        const KeyCode modifier = held ? XKeysymToKeycode(user, held) : 0;
        if (modifier) {
            XTestFakeKeyEvent(user, modifier, True, CurrentTime);
        }
        XTestFakeKeyEvent(user, code, True, CurrentTime);
        XTestFakeKeyEvent(user, code, False, CurrentTime);
        if (modifier) {
            XTestFakeKeyEvent(user, modifier, False, CurrentTime);
        }
        XFlush(user);
    }
    std::string EditorText() const {
        CEdit* edit = Dlg().whereGrid.GetEditControl();
        char text[64] = {};
        if (edit) {
            GetWindowTextA(edit->m_hWnd, text, sizeof text);
        }
        return text;
    }
    // Runs the dialog on X through the steps; false when a step never became ready.
    bool RunOnX(std::vector<Step> steps) {
        auto x = backend::X11Backend::Open(x11test::XServer::Name().c_str());
        if (!x) {
            return false;
        }
        std::size_t at = 0;
        DWORD start = 0;
        auto relay = std::make_unique<Relay>(std::move(x), [&] {
            start = start ? start : win::GetBackend().Now();
            if (at < steps.size() && steps[at].ready()) {
                steps[at++].act();
            }
            return at < steps.size() && win::GetBackend().Now() - start < GiveUpMs;
        });
        relayed = relay.get();
        win::SetBackend(std::move(relay));
        Dlg().DoModal();
        auto headless = std::make_unique<backend::HeadlessBackend>();
        display = headless.get();
        win::SetBackend(std::move(headless)); // the fixture tears down on a headless display
        return at == steps.size();
    }

    Display* user = nullptr;
    Relay* relayed = nullptr;
};

TEST_F(ValueKeysX11Test, CtrlAThenCtrlVPastesAnotherApplicationsTextAndTabCommitsIt) {
    const std::string& name = x11test::XServer::Name();
    if (name.empty() || !(user = XOpenDisplay(name.c_str()))) {
        GTEST_SKIP() << "no X server";
    }
    x11test::SelectionPeer other(name);
    other.Own(XInternAtom(user, "CLIPBOARD", False), x11test::SelectionPeer::Answer::Utf8,
              "'Paris'");
    RegisterSampleTables();
    std::string preview;
    const bool done = RunOnX({
        {[&] { return Dlg().m_hWnd && IsWindowVisible(Dlg().m_hWnd); },
         [&] {
             XSetInputFocus(user, relayed->X11().NativeWindow(Dlg().m_hWnd), RevertToPointerRoot,
                            CurrentTime);
             Pointer(Control(res::IDC_ADD), 1);
         }},
        {[&] { return Dlg().whereGrid.GetItemCount() == 1; },
         [&] { Pointer(Cell(Dlg().whereGrid, 0, CWhereListCtrl::valueColumn), 2); }},
        {[&] { return Dlg().whereGrid.GetEditControl() != nullptr; },
         [&] {
             Tap(XK_a);
             Tap(XK_b);
             Tap(XK_c);
             Tap(XK_a, XK_Control_L);
             Tap(XK_v, XK_Control_L);
         }},
        {[&] { return EditorText() == "'Paris'"; }, [&] { Tap(XK_Tab); }},
        {[&] { return Dlg().whereGrid.GetEditControl() == nullptr; }, [&] { preview = Preview(); }},
    });
    XCloseDisplay(user);
    EXPECT_TRUE(done) << "editor text: " << EditorText();
    EXPECT_EQ(preview, "SELECT * FROM Customers WHERE  ( ID = 'Paris' ) ");
}

} // namespace
} // namespace dialogtest
