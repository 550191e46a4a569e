// Scroll bar controls: geometry, the SB_CTL calls, and arrows, pages, thumb and keys driven
// through the injected mouse and the virtual clock.
#include "tests/platform/CtlFixture.h"

#include "platform/ctl/ScrollApi.h"
#include "platform/ctl/ScrollBarControl.h"
#include "platform/ctl/ScrollBarGeometry.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;
using Part = ctl::ScrollBarGeometry::Part;

// Hits on the other parts and the thumb's mapping back are driven in ScrollTrackerTest.
TEST(ScrollBarGeometry, PlacesThePartsAndMapsTheThumbBack) {
    const ctl::ScrollState s{0, 99, 10, 0};
    EXPECT_EQ(s.MaxPos(), 90);
    const ctl::ScrollBarGeometry top({0, 0, 11, 100}, true, s, 0);
    EXPECT_EQ(top.PartRect(Part::LineUp).bottom, 11);
    EXPECT_EQ(top.PartRect(Part::Thumb).top, 11);
    EXPECT_EQ(top.PartRect(Part::Thumb).bottom, 19) << "never thinner than 8 pixels";
    EXPECT_EQ(top.PartRect(Part::LineDown).top, 89);
    EXPECT_EQ(top.HitTest({5, 5}), Part::LineUp);
    EXPECT_EQ(top.HitTest({12, 50}), Part::None);
    const ctl::ScrollBarGeometry bottom({0, 0, 11, 100}, true, s, 90);
    EXPECT_EQ(bottom.PartRect(Part::Thumb).bottom, 89);
    EXPECT_EQ(bottom.HitTest({5, 50}), Part::PageUp);
    EXPECT_EQ(top.PosForThumbAt({5, -50}, 0), 0);

    const ctl::ScrollBarGeometry wide({0, 0, 200, 16}, false, {0, 9, 0, 0}, 0);
    EXPECT_EQ(wide.PartRect(Part::Thumb).right - wide.PartRect(Part::Thumb).left, 16);
    EXPECT_FALSE(ctl::ScrollBarGeometry({0, 0, 11, 100}, true, {0, 9, 10, 0}, 0).HasThumb())
        << "the page shows everything";
    const ctl::ScrollBarGeometry tiny({0, 0, 11, 15}, true, s, 0);
    EXPECT_EQ(tiny.PartRect(Part::LineUp).bottom, 7) << "arrows share a short bar";
    EXPECT_FALSE(tiny.HasThumb());
    EXPECT_EQ(ctl::ScrollState({5, 3, 0, 0}).MaxPos(), 5);
}

class ScrollBars : public CtlFixture {
  protected:
    HWND Bar(DWORD style, RECT r = {10, 10, 21, 110}) {
        HWND bar = Make("ScrollBar", "", style, r, 77);
        SCROLLINFO info{.fMask = SIF_RANGE | SIF_PAGE | SIF_POS, .nMax = 99, .nPage = 10};
        SetScrollInfo(bar, SB_CTL, &info, TRUE);
        return bar;
    }
};

TEST_F(ScrollBars, InfoCallsClampAndOnlyServeControls) {
    HWND bar = Bar(SBS_VERT);
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 500, TRUE), 0);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 90) << "max - page + 1";
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, -3, TRUE), 90);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
    SCROLLINFO info{.fMask = SIF_ALL};
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(info.nMax, 99);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(info.nTrackPos, 0);
    EXPECT_TRUE(SetScrollRange(bar, SB_CTL, 0, 20, FALSE));
    int lo = -1;
    int hi = -1;
    EXPECT_TRUE(GetScrollRange(bar, SB_CTL, &lo, &hi));
    EXPECT_EQ(hi, 20);
    EXPECT_EQ(SetScrollPos(bar, SB_VERT, 5, TRUE), 0);
    EXPECT_FALSE(GetScrollInfo(bar, SB_HORZ, &info));
    EXPECT_FALSE(GetScrollInfo(nullptr, SB_CTL, &info));
    EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, nullptr));
    info.cbSize = 3;
    EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, &info));
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &info, TRUE), 0);
}

// Press, repeat, paging and dragging are the tracker's (ScrollTrackerTest); here what the
// control adds: its parent hears every step from the bar's handle, the bar never moves
// itself, and a bar outside the tab order leaves the focus alone.
TEST_F(ScrollBars, ArrowsAndThumbTellTheParentAndNeverMoveTheBar) {
    HWND bar = Bar(SBS_VERT);
    HWND from = nullptr;
    On(dialog, WM_VSCROLL, [&](HWND, UINT, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        events.push_back("vscroll:" + std::to_string(LOWORD(w)) + ":" + std::to_string(HIWORD(w)));
        from = reinterpret_cast<HWND>(l);
        return 0;
    });
    display->MoveMouse(At(bar, 5, 95));
    display->ButtonDown();
    EXPECT_THAT(Events(), ElementsAre("vscroll:1:0"));
    EXPECT_EQ(from, bar);
    EXPECT_EQ(GetCapture(), bar);
    EXPECT_NE(GetFocus(), bar) << "a bar outside the tab order leaves the focus alone";
    display->AdvanceClock(ctl::ScrollBarControl::FirstRepeat + ctl::ScrollBarControl::NextRepeat);
    EXPECT_THAT(Events(), ElementsAre("vscroll:1:0", "vscroll:1:0"));
    display->ButtonUp();
    EXPECT_THAT(Events(), ElementsAre("vscroll:8:0"));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0) << "it never moves itself";

    const POINT grab = At(bar, 5, 13);
    display->MoveMouse(grab.x, grab.y);
    display->ButtonDown();
    display->MoveMouse(grab.x, grab.y + 35);
    display->Pump();
    SCROLLINFO info{.fMask = SIF_TRACKPOS | SIF_POS};
    GetScrollInfo(bar, SB_CTL, &info);
    EXPECT_EQ(info.nTrackPos, 45);
    EXPECT_EQ(info.nPos, 0);
    display->ButtonUp();
    EXPECT_THAT(Events(), ElementsAre("vscroll:5:45", "vscroll:4:45", "vscroll:8:0"));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
}

TEST_F(ScrollBars, KeysOfAFocusedBarAndHorizontalBars) {
    HWND bar = Bar(SBS_VERT | WS_TABSTOP);
    ClickAt(bar, 5, 95);
    EXPECT_EQ(GetFocus(), bar);
    events.clear();
    display->Key(VK_DOWN);
    display->Key(VK_HOME);
    display->Key(VK_END);
    display->Key(VK_NEXT);
    EXPECT_THAT(Events(), ElementsAre("vscroll:1:0", "vscroll:8:0", "vscroll:6:0", "vscroll:8:0",
                                      "vscroll:7:0", "vscroll:8:0", "vscroll:3:0", "vscroll:8:0"));
    HWND across = Bar(SBS_HORZ, {30, 10, 230, 21});
    ClickAt(across, 195, 5);
    EXPECT_THAT(Events(), ElementsAre("hscroll:1:0", "hscroll:8:0"));
}

TEST_F(ScrollBars, ElevenPixelBarsDrawArrowsTrackAndThumb) {
    HWND bar = Bar(SBS_VERT);
    display->Pump();
    EXPECT_EQ(Pixel(bar, 5, 4), RGB(0, 0, 0)) << "arrow glyph";
    EXPECT_EQ(Pixel(bar, 0, 0), RGB(192, 192, 192)) << "raised button: light outside";
    EXPECT_EQ(Pixel(bar, 10, 10), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(bar, 1, 12), RGB(255, 255, 255)) << "thumb";
    const COLORREF a = Pixel(bar, 4, 40);
    const COLORREF b = Pixel(bar, 5, 40);
    EXPECT_NE(a, b) << "dithered track";
    EXPECT_TRUE(a == RGB(255, 255, 255) || b == RGB(255, 255, 255));
}

} // namespace
} // namespace wintest
