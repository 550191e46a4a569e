// Controls on a display at scale 2 (QVSQL_SCALE=2): windows are twice as many pixels each
// way, every pixel the controls fix in logical pixels is a 2 x 2 block at twice the
// position, and a click at screen pixels reaches the control under them.
#include "platform/base/CommCtrl.h"
#include "platform/gfx/DisplayScale.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/CtlFixture.h"

#include <cstdlib>

namespace wintest {
namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF Face = RGB(192, 192, 192);

class ScaledControls : public CtlFixture {
  protected:
    void SetUp() override {
        setenv("QVSQL_SCALE", "2", 1);
        CtlFixture::SetUp();
        unsetenv("QVSQL_SCALE");
    }
    void TearDown() override {
        CtlFixture::TearDown();
        gfx::SetDisplayScale(1);
    }
    // The colour of a control's logical client pixel when all four of its pixels agree.
    COLORREF Block(HWND control, int x, int y) const {
        RECT top{};
        GetWindowRect(dialog, &top);
        const POINT p = At(control, x, y);
        const gfx::Surface* s = win::WindowSurface(dialog);
        const int px = 2 * (p.x - top.left);
        const int py = 2 * (p.y - top.top);
        const COLORREF c = s ? s->ColorAt(px, py) : CLR_INVALID;
        const bool same = s && s->ColorAt(px + 1, py) == c && s->ColorAt(px, py + 1) == c &&
                          s->ColorAt(px + 1, py + 1) == c;
        return same ? c : CLR_INVALID;
    }
};

TEST_F(ScaledControls, AWindowOf600By399IsShownAs1200By798) {
    HWND big = Popup("Big", {0, 0, 600, 399});
    display->Pump();
    const gfx::Surface* s = win::WindowSurface(big);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Width(), 600);
    EXPECT_EQ(s->PixelWidth(), 1200);
    EXPECT_EQ(s->PixelHeight(), 798);
    const gfx::Surface screen = display->CaptureScreen();
    EXPECT_EQ(screen.PixelWidth(), 2 * display->ScreenSize().cx);
    RECT r{};
    GetWindowRect(big, &r);
    EXPECT_EQ(r.right - r.left, 600) << "windows keep their logical size";
}

TEST_F(ScaledControls, CheckMarkBoxAndHeaderSeparatorsKeepTheirGeometry) {
    HWND box = Make("Button", "", BS_AUTOCHECKBOX, {10, 10, 25, 25}, 1010);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    HWND header = Make(WC_HEADERA, "", 0, {10, 40, 310, 64}, 5);
    for (const int width : {100, 60}) {
        HDITEMA item{.mask = HDI_WIDTH | HDI_FORMAT, .cxy = width, .fmt = HDF_STRING | HDF_LEFT};
        SendMessageA(header, HDM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&item));
    }
    display->Pump();
    const auto block = [&](int x, int y) { return Block(box, x, y); };
    pixeltest::ExpectPixels(block, {{0, 1, Grey}, {1, 2, Black}, {12, 13, White}, {11, 12, Face}});
    pixeltest::ExpectPixels(block, {{3, 7, Black}, {5, 10, Black}, {9, 4, Black}, {9, 9, White}});
    for (const int edge : {99, 159}) {
        EXPECT_EQ(Block(header, edge, 12), GetSysColor(COLOR_3DDKSHADOW)) << edge;
        EXPECT_EQ(Block(header, edge + 3, 12), GetSysColor(COLOR_BTNFACE)) << edge;
    }
}

TEST_F(ScaledControls, AClickAtScreenPixelsLandsOnTheSameControl) {
    HWND box = Make("Button", "", BS_AUTOCHECKBOX, {10, 10, 25, 25}, 1010);
    display->Pump();
    const POINT inside = At(box, 14, 14); // the control's last pixel
    display->ClickPixel(2 * inside.x + 1, 2 * inside.y + 1);
    display->Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    display->ClickPixel(2 * inside.x + 2, 2 * inside.y);
    display->Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED) << "just right of it";
    EXPECT_EQ(Events(), (std::vector<std::string>{"cmd:1010:0"}));
}

} // namespace
} // namespace wintest
