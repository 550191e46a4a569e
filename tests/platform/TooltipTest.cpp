// The tooltip control on the virtual clock: the initial delay, the text request, hiding on a
// press, on leaving and after the pop-down delay, and a new tool restarting the delay.
#include "tests/platform/CtlFixture.h"

#include "platform/base/CommCtrl.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"

#include <cstring>

namespace wintest {
namespace {

static_assert(sizeof(NMTTDISPINFOW::szText) == 80 * sizeof(WCHAR), "80 wide units");

class TooltipTest : public CtlFixture {
  protected:
    void SetUp() override {
        CtlFixture::SetUp();
        target = Child("T", dialog, {10, 10, 210, 110});
        tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, dialog, nullptr,
                              nullptr, nullptr);
        // The framework's part: every mouse message of the target is relayed.
        win::SetPreTranslateHook([this](MSG& m) {
            if (m.hwnd == target && m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) {
                SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
            }
            return false;
        });
        On(target, WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(l);
            asked.push_back({info->hdr.idFrom, GetTickCount()});
            EXPECT_EQ(info->hdr.code, TTN_NEEDTEXTA);
            EXPECT_EQ(info->hdr.hwndFrom, tip);
            EXPECT_EQ(info->lpszText, info->szText);
            std::strncpy(info->szText, answer.c_str(), sizeof(info->szText) - 1);
            return 1; // ignored: the buffer counts
        });
    }
    void TearDown() override {
        win::SetPreTranslateHook(nullptr);
        CtlFixture::TearDown();
    }
    void AddTool(UINT_PTR id, RECT r, LPSTR text = LPSTR_TEXTCALLBACKA) {
        TOOLINFOA info{.hwnd = target, .uId = id, .rect = r, .lpszText = text};
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    void MoveTo(int x, int y) {
        display->MoveMouse(At(target, x, y));
        display->Pump();
    }
    bool Shown() const { return IsWindowVisible(tip) != FALSE; }

    struct Request {
        UINT_PTR id;
        DWORD time;
    };
    HWND target = nullptr;
    HWND tip = nullptr;
    std::string answer = "a column name";
    std::vector<Request> asked;
};

TEST_F(TooltipTest, AsksForTheTextAfterTheInitialDelayAndPopsAfterFiveSeconds) {
    AddTool(7, {0, 0, 100, 100});
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    MoveTo(20, 20);
    const DWORD start = GetTickCount();
    display->AdvanceClock(499);
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(Shown());
    display->AdvanceClock(1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].id, 7u);
    EXPECT_EQ(asked[0].time - start, 500u);
    EXPECT_TRUE(Shown());
    EXPECT_NE(GetWindowLongPtrA(tip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetActiveWindow(), dialog) << "never activated";
    RECT r{};
    GetWindowRect(tip, &r);
    const gfx::Surface* s = win::WindowSurface(tip);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->ColorAt(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(s->ColorAt(r.right - r.left - 2, 1), GetSysColor(COLOR_INFOBK));
    display->AdvanceClock(4999);
    EXPECT_TRUE(Shown());
    display->AdvanceClock(1);
    EXPECT_FALSE(Shown());
    display->AdvanceClock(3000);
    EXPECT_EQ(asked.size(), 1u) << "not again while the pointer stays on the tool";
}

TEST_F(TooltipTest, APressOrLeavingHidesAndANewToolRestartsTheDelay) {
    AddTool(1, {0, 0, 100, 100});
    AddTool(2, {100, 0, 200, 100});
    MoveTo(20, 20);
    display->AdvanceClock(500);
    EXPECT_TRUE(Shown());
    display->ButtonDown();
    display->Pump();
    EXPECT_FALSE(Shown());
    display->ButtonUp();
    MoveTo(30, 20);
    display->AdvanceClock(1000);
    EXPECT_FALSE(Shown()) << "the same tool waits for the pointer to leave";
    MoveTo(120, 20);
    display->AdvanceClock(300);
    MoveTo(20, 20);
    display->AdvanceClock(499);
    EXPECT_EQ(asked.size(), 1u) << "each new tool starts the delay again";
    display->AdvanceClock(1);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].id, 1u);
    MoveTo(120, 20);
    EXPECT_FALSE(Shown()) << "leaving the tool hides it";
    display->AdvanceClock(500);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[2].id, 2u);
    TOOLINFOA info{.hwnd = target, .uId = 2};
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_FALSE(Shown());
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(TooltipTest, EmptyTextFixedTextDeactivationAndBadRecords) {
    answer.clear();
    AddTool(1, {0, 0, 100, 100});
    char fixed[] = "fixed";
    AddTool(2, {100, 0, 200, 100}, fixed);
    MoveTo(20, 20);
    display->AdvanceClock(600);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_FALSE(Shown()) << "empty text shows nothing";
    MoveTo(120, 20);
    display->AdvanceClock(500);
    EXPECT_TRUE(Shown()) << "a fixed text needs no request";
    EXPECT_EQ(asked.size(), 1u);
    SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
    EXPECT_FALSE(Shown());
    MoveTo(20, 20);
    display->AdvanceClock(1000);
    EXPECT_EQ(asked.size(), 1u) << "inactive: nothing asked";
    EXPECT_EQ(SendMessageA(tip, TTM_ADDTOOLA, 0, 0), FALSE);
    TOOLINFOA small{.cbSize = 4};
    EXPECT_EQ(SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&small)), FALSE);
    SendMessageA(tip, TTM_RELAYEVENT, 0, 0);
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
}

} // namespace
} // namespace wintest
