// The message box: modal over its disabled owner, closed by Enter, Escape, Space or a click,
// past a dialog's key filter, centred, with its caption and icon.
#include "tests/platform/CtlFixture.h"
#include "tests/platform/ModalScript.h"

#include "platform/ctl/MessageBoxApi.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"

#include <functional>

namespace wintest {
namespace {

class MessageBoxTest : public CtlFixture {
  protected:
    // Runs a box whose first input step is act(box); records what the owner looked like.
    int Run(UINT type, const std::function<void(HWND)>& act, const char* caption = nullptr,
            const char* text = "No columns were chosen.") {
        display->SetScript(Steps({[&](backend::HeadlessBackend&) {
            box = TopWindowOfClass("QvsqlMessageBox");
            ownerEnabled = IsWindowEnabled(dialog) != FALSE;
            char title[64] = {};
            GetWindowTextA(box, title, sizeof(title));
            boxCaption = title;
            GetWindowRect(box, &boxRect);
            display->Pump();
            POINT client{0, 0};
            ClientToScreen(box, &client);
            if (const gfx::Surface* s = win::WindowSurface(box)) {
                // Low in the warning triangle, left of its mark.
                iconPixel =
                    s->ColorAt(client.x - boxRect.left + 12 + 10, client.y - boxRect.top + 12 + 27);
            }
            act(box);
        }}));
        const int result = MessageBoxA(dialog, text, caption, type);
        display->SetScript(nullptr);
        return result;
    }

    HWND box = nullptr;
    bool ownerEnabled = true;
    std::string boxCaption;
    RECT boxRect{};
    COLORREF iconPixel = 0;
};

TEST_F(MessageBoxTest, EnterClosesWithOkOwnerDisabledMeanwhileAndActiveAfter) {
    EXPECT_EQ(Run(MB_OK | MB_ICONWARNING, [&](HWND) { display->Key(VK_RETURN); }), IDOK);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(boxCaption, "Error") << "a null caption";
    EXPECT_EQ(iconPixel, RGB(255, 255, 0)) << "the warning triangle";
    RECT owner{};
    GetWindowRect(dialog, &owner);
    // Centred over the owner: the sums of opposite edges agree.
    EXPECT_NEAR(boxRect.left + boxRect.right, owner.left + owner.right, 2);
    EXPECT_NEAR(boxRect.top + boxRect.bottom, owner.top + owner.bottom, 2);
}

TEST_F(MessageBoxTest, EscapeSpaceAndClicksCloseItPastTheDialogsKeyFilter) {
    std::vector<WPARAM> eaten;
    win::SetPreTranslateHook([&](MSG& m) {
        const bool key =
            m.message == WM_KEYDOWN && (m.wParam == VK_RETURN || m.wParam == VK_ESCAPE);
        if (key) {
            eaten.push_back(m.wParam);
        }
        return key;
    });
    EXPECT_EQ(Run(
                  MB_OKCANCEL, [&](HWND) { display->Key(VK_ESCAPE); }, "Builder"),
              IDCANCEL);
    EXPECT_EQ(boxCaption, "Builder");
    EXPECT_EQ(Run(MB_OK, [&](HWND) { display->Key(VK_ESCAPE); }), IDOK) << "no Cancel button";
    EXPECT_EQ(Run(MB_OKCANCEL, [&](HWND) { display->Key(VK_RETURN); }), IDOK);
    EXPECT_EQ(Run(MB_OKCANCEL,
                  [&](HWND) {
                      display->Key(VK_TAB);
                      display->Key(VK_SPACE);
                  }),
              IDCANCEL);
    EXPECT_EQ(Run(MB_OKCANCEL,
                  [&](HWND b) {
                      HWND cancel = GetDlgItem(b, IDCANCEL);
                      RECT r{};
                      GetWindowRect(cancel, &r);
                      display->Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                  }),
              IDCANCEL);
    EXPECT_TRUE(eaten.empty()) << "the dialog's filter never saw the box's keys";
    win::SetPreTranslateHook(nullptr);
}

TEST_F(MessageBoxTest, LongTextWrapsAndNoInputEndsAtOnce) {
    const std::string longText(600, 'w');
    std::string words;
    for (int i = 0; i < 60; ++i) {
        words += "word ";
    }
    Run(
        MB_OK, [&](HWND) { display->Key(VK_RETURN); }, nullptr, "short");
    const RECT shortBox = boxRect;
    Run(
        MB_OK, [&](HWND) { display->Key(VK_RETURN); }, nullptr, words.c_str());
    EXPECT_GT(boxRect.bottom - boxRect.top, shortBox.bottom - shortBox.top);
    EXPECT_LT(boxRect.right - boxRect.left, 500);
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK) << "no script: nothing can come";
    EXPECT_EQ(MessageBoxA(reinterpret_cast<HWND>(0x1234), longText.c_str(), "x", MB_OKCANCEL),
              IDCANCEL);
}

} // namespace
} // namespace wintest
