// Static controls: text in the parent's colours, wrapping, etched lines.
#include "tests/platform/CtlFixture.h"
#include "tests/platform/InkPixels.h"

#include "platform/ctl/ScrollApi.h"
#include "platform/gfx/Gdi.h"

namespace wintest {
namespace {

constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF White = RGB(255, 255, 255);

class Statics : public CtlFixture {
  protected:
    int Count(HWND control, COLORREF colour) {
        RECT r{};
        GetClientRect(control, &r);
        int n = 0;
        for (int y = 0; y < r.bottom; ++y) {
            for (int x = 0; x < r.right; ++x) {
                n += IsInk(Pixel(control, x, y), colour, White) ? 1 : 0;
            }
        }
        return n;
    }
};

TEST_F(Statics, TextTakesTheParentsColoursAndRepaintsOnChange) {
    On(dialog, WM_CTLCOLORSTATIC, [](HWND, UINT, WPARAM dc, LPARAM) -> std::optional<LRESULT> {
        SetTextColor(reinterpret_cast<HDC>(dc), Blue);
        SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    });
    HWND label = Make("Static", "SELECT", SS_LEFT, {10, 10, 90, 30}, 1004);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), TRUE);
    EXPECT_EQ(SendMessageA(label, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(GetStockObject(ANSI_VAR_FONT)));
    display->Pump();
    const int inked = Count(label, Blue);
    EXPECT_GT(inked, 10);
    EXPECT_EQ(Count(label, RGB(0, 0, 0)), 0);
    SetWindowTextA(label, "");
    display->Pump();
    EXPECT_EQ(Count(label, Blue), 0) << "new text shows without being asked";
    EXPECT_EQ(Text(label), "");
    SetWindowTextA(label, "FROM");
    EnableWindow(label, FALSE);
    display->Pump();
    EXPECT_EQ(Count(label, Blue), 0);
    EXPECT_GT(Count(label, RGB(128, 128, 128)), 5) << "disabled text is grey";
    EXPECT_EQ(SendMessageA(label, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(Statics, WrapsLinesAndLetsClicksThrough) {
    HWND wrapped =
        Make("Static", "SELECT <columns>\r\nFROM <table>", SS_LEFT, {10, 10, 200, 60}, 1001);
    HWND one = Make("Static", "SELECT <columns> FROM <table>", SS_LEFT, {210, 10, 260, 60}, 1);
    display->Pump();
    auto rowsWithInk = [&](HWND h) {
        RECT r{};
        GetClientRect(h, &r);
        int rows = 0;
        for (int y = 0; y < r.bottom; ++y) {
            bool ink = false;
            for (int x = 0; x < r.right && !ink; ++x) {
                ink = Pixel(h, x, y) == RGB(0, 0, 0);
            }
            rows += ink ? 1 : 0;
        }
        return rows;
    };
    const int twoLines = rowsWithInk(wrapped);
    EXPECT_GT(twoLines, 12) << "CR LF starts a second line";
    EXPECT_GT(rowsWithInk(one), 12) << "a narrow label wraps at blanks";
    Watch({WM_LBUTTONDOWN});
    ClickAt(wrapped, 5, 5);
    EXPECT_THAT(Take(), ::testing::ElementsAre("D:WM_LBUTTONDOWN"));
}

TEST_F(Statics, EtchedLinesAreShadowThenHighlight) {
    HWND vertical = Make("Static", "", SS_ETCHEDVERT, {10, 10, 12, 100}, -1);
    HWND horizontal = Make("Static", "", SS_ETCHEDHORZ, {20, 10, 120, 12}, -1);
    HWND thin = Make("Static", "", SS_ETCHEDVERT, {130, 10, 131, 100}, -1);
    display->Pump();
    EXPECT_EQ(Pixel(vertical, 0, 50), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(vertical, 1, 50), White);
    EXPECT_EQ(Pixel(horizontal, 50, 0), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(horizontal, 50, 1), White);
    EXPECT_EQ(Pixel(thin, 0, 50), RGB(128, 128, 128)) << "a 1-pixel line keeps its shadow";
}

} // namespace
} // namespace wintest
