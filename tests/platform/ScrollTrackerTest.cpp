// The scroll tracker's states, one transition at a time: a bar 11 x 100 (arrows 11 high, range
// 0..99 with a page of 10) on a plain window, driven by the injected mouse and the virtual clock.
#include "tests/platform/WinFixture.h"

#include "platform/ctl/ScrollTracker.h"

#include <memory>

namespace wintest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using State = ctl::ScrollTracker::State;
using Part = ctl::ScrollTracker::Part;
using Tracker = ctl::ScrollTracker;

class FakeBar : public Tracker::Bar {
  public:
    ctl::ScrollBarGeometry Geometry() const override {
        return ctl::ScrollBarGeometry({0, 0, 11, 100}, true, state, state.pos);
    }
    // Logs "code:pos"; a page code moves the position as a parent would, when asked to.
    void Scroll(int code, int pos) override {
        log.push_back(std::to_string(code) + ":" + std::to_string(pos));
        if (followPages && code == SB_PAGEDOWN) {
            state.pos = state.Clamp(state.pos + state.page);
        }
    }
    void Repaint() override { ++repaints; }

    ctl::ScrollState state{0, 99, 10, 0};
    bool followPages = false;
    std::vector<std::string> log;
    int repaints = 0;
};

class ScrollTrackerTest : public WinFixture {
  protected:
    void SetUp() override {
        WinFixture::SetUp();
        window = Popup("T", {0, 0, 11, 100});
        Use(false);
        On(window, WM_TIMER, [this](HWND, UINT, WPARAM id, LPARAM) -> std::optional<LRESULT> {
            if (id == Tracker::RepeatTimer) {
                tracker->Tick();
            }
            return 0;
        });
        On(window, WM_CAPTURECHANGED, [this](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
            tracker->Cancel();
            return 0;
        });
    }
    void Use(bool keepCapture) { tracker = std::make_unique<Tracker>(window, bar, keepCapture); }
    std::vector<std::string> Sent() {
        std::vector<std::string> taken;
        taken.swap(bar.log);
        return taken;
    }
    void MoveTo(int x, int y) { tracker->Move({x, y}); }

    HWND window = nullptr;
    FakeBar bar;
    std::unique_ptr<Tracker> tracker;
};

TEST_F(ScrollTrackerTest, ArrowHeldRepeatsOnTheClockPausesAwayAndEndsOnRelease) {
    EXPECT_FALSE(tracker->Press({20, 50})) << "Idle -> Idle: off every part";
    EXPECT_EQ(GetCapture(), nullptr);

    ASSERT_TRUE(tracker->Press({5, 95})) << "Idle -> Holding";
    EXPECT_EQ(tracker->Current(), State::Holding);
    EXPECT_EQ(tracker->Pushed(), Part::LineDown);
    EXPECT_EQ(GetCapture(), window);
    EXPECT_THAT(Sent(), ElementsAre("1:0")) << "one step at once";
    EXPECT_FALSE(tracker->Press({5, 5})) << "a second press while held is ignored";

    display->AdvanceClock(Tracker::FirstRepeat - 1);
    EXPECT_THAT(Sent(), IsEmpty());
    display->AdvanceClock(1 + Tracker::NextRepeat);
    EXPECT_THAT(Sent(), ElementsAre("1:0", "1:0")) << "Holding -> Holding on each tick";

    const int before = bar.repaints;
    MoveTo(40, 95);
    EXPECT_EQ(tracker->Current(), State::Away) << "Holding -> Away";
    EXPECT_EQ(tracker->Pushed(), Part::None);
    EXPECT_EQ(bar.repaints, before + 1);
    display->AdvanceClock(5 * Tracker::NextRepeat);
    EXPECT_THAT(Sent(), IsEmpty()) << "Away -> Away on each tick";

    MoveTo(5, 92);
    EXPECT_EQ(tracker->Current(), State::Holding) << "Away -> Holding";
    display->AdvanceClock(Tracker::NextRepeat);
    EXPECT_THAT(Sent(), ElementsAre("1:0"));

    tracker->Release();
    EXPECT_EQ(tracker->Current(), State::Idle) << "Holding -> Idle";
    EXPECT_THAT(Sent(), ElementsAre("8:0"));
    EXPECT_EQ(GetCapture(), nullptr);
    display->AdvanceClock(1000);
    EXPECT_THAT(Sent(), IsEmpty()) << "the timer stopped";
    tracker->Release();
    tracker->Move({5, 5});
    EXPECT_THAT(Sent(), IsEmpty()) << "Idle ignores the rest of a gesture";
}

TEST_F(ScrollTrackerTest, PageRepeatStopsWhereTheThumbReachesThePointer) {
    bar.followPages = true;
    ASSERT_TRUE(tracker->Press({5, 60}));
    EXPECT_THAT(Sent(), ElementsAre("3:0"));
    display->AdvanceClock(Tracker::FirstRepeat + 10 * Tracker::NextRepeat);
    EXPECT_EQ(tracker->Current(), State::Away) << "Holding -> Away as the thumb arrives";
    const auto pages = Sent();
    EXPECT_GE(pages.size(), 2u);
    EXPECT_LT(bar.state.pos, 90) << "stopped under the pointer, not at the end";
    const ctl::ScrollBarGeometry g = bar.Geometry();
    EXPECT_EQ(g.HitTest({5, 60}), Part::Thumb);
    tracker->Release();
    EXPECT_THAT(Sent(), ElementsAre("8:0"));
}

TEST_F(ScrollTrackerTest, ThumbDragTracksEachNewPositionThenSetsIt) {
    ASSERT_TRUE(tracker->Press({5, 13})) << "Idle -> Dragging";
    EXPECT_EQ(tracker->Current(), State::Dragging);
    EXPECT_EQ(tracker->Pushed(), Part::None);
    EXPECT_EQ(tracker->TrackPos(), 0);
    EXPECT_THAT(Sent(), IsEmpty()) << "grabbing the thumb sends nothing";

    MoveTo(5, 13 + 35);
    EXPECT_THAT(Sent(), ElementsAre("5:45")) << "Dragging -> Dragging";
    MoveTo(6, 13 + 35);
    EXPECT_THAT(Sent(), IsEmpty()) << "the same position is not sent twice";
    display->AdvanceClock(1000);
    EXPECT_THAT(Sent(), IsEmpty()) << "a drag never repeats";
    MoveTo(5, 500);
    EXPECT_EQ(tracker->TrackPos(), 90);

    tracker->Release();
    EXPECT_EQ(tracker->Current(), State::Idle) << "Dragging -> Idle";
    EXPECT_THAT(Sent(), ElementsAre("5:90", "4:90", "8:0"));
}

TEST_F(ScrollTrackerTest, LostCaptureCancelsSilentlyAndAKeptCaptureStays) {
    ASSERT_TRUE(tracker->Press({5, 5}));
    Sent();
    HWND other = Popup("O", {200, 200, 220, 220});
    SetCapture(other);
    EXPECT_EQ(tracker->Current(), State::Idle) << "Holding -> Idle without a word";
    display->AdvanceClock(1000);
    EXPECT_THAT(Sent(), IsEmpty());

    ASSERT_TRUE(tracker->Press({5, 13}));
    ReleaseCapture();
    EXPECT_EQ(tracker->Current(), State::Idle) << "Dragging -> Idle without a word";
    EXPECT_THAT(Sent(), IsEmpty());

    Use(true);
    SetCapture(window);
    ASSERT_TRUE(tracker->Press({5, 95}));
    tracker->Release();
    EXPECT_EQ(GetCapture(), window) << "a capture the owner holds stays after the release";
    EXPECT_THAT(Sent(), ElementsAre("1:0", "8:0"));
}

} // namespace
} // namespace wintest
