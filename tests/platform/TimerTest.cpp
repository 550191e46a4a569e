// Window timers on the virtual clock.
#include "tests/platform/WinFixture.h"

namespace wintest {
namespace {

class Timers : public WinFixture {
  protected:
    void Count(HWND hwnd) {
        On(hwnd, WM_TIMER, [this](HWND, UINT, WPARAM id, LPARAM) -> std::optional<LRESULT> {
            fired.push_back({static_cast<int>(id), display->Now()});
            return 0;
        });
    }
    std::vector<std::pair<int, DWORD>> fired;
};

using Fire = std::pair<int, DWORD>;

TEST_F(Timers, RepeatUntilKilledInDueOrder) {
    HWND a = Popup("A", {0, 0, 10, 10});
    Count(a);
    const DWORD t0 = display->Now();
    SetTimer(a, 1, 100, nullptr);
    SetTimer(a, 2, 250, nullptr);
    display->AdvanceClock(99);
    EXPECT_TRUE(fired.empty());
    display->AdvanceClock(201);
    EXPECT_EQ(fired,
              (std::vector<Fire>{{1, t0 + 100}, {1, t0 + 200}, {2, t0 + 250}, {1, t0 + 300}}));
    EXPECT_TRUE(KillTimer(a, 1));
    EXPECT_FALSE(KillTimer(a, 1));
    fired.clear();
    display->AdvanceClock(300);
    EXPECT_EQ(fired, (std::vector<Fire>{{2, t0 + 500}}));
}

TEST_F(Timers, SettingAgainRestartsTheCount) {
    HWND a = Popup("A", {0, 0, 10, 10});
    Count(a);
    const DWORD t0 = display->Now();
    SetTimer(a, 4, 50, nullptr);
    display->AdvanceClock(40);
    SetTimer(a, 4, 50, nullptr);
    display->AdvanceClock(40);
    EXPECT_TRUE(fired.empty());
    display->AdvanceClock(10);
    EXPECT_EQ(fired, (std::vector<Fire>{{4, t0 + 90}}));
}

TEST_F(Timers, ALateTimerWaitsOnceAndAfterPostedMessages) {
    HWND a = Popup("A", {0, 0, 10, 10});
    display->Pump();
    SetTimer(a, 1, 50, nullptr);
    display->MoveClock(1000); // a busy second: twenty periods go by unseen
    PostMessageA(a, WM_USER, 0, 0);
    std::vector<UINT> order;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_TIMER}));
    display->MoveClock(49);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) << "counted from the taking";
    display->MoveClock(1);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

} // namespace
} // namespace wintest
