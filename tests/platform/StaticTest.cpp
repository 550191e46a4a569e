// Static controls, and a picture of every basic control in a small window for a human eye.
#include "tests/platform/CtlFixture.h"

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
                n += Pixel(control, x, y) == colour ? 1 : 0;
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

// A small window with every basic control, saved as ctl_gallery.png in the build directory.
TEST_F(Statics, GalleryPicture) {
    WNDCLASSA wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "CtlGallery";
    RegisterClassA(&wc);
    HWND g = CreateWindowExA(0, "CtlGallery", "Controls",
                             WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 100,
                             100, 420, 250, nullptr, nullptr, nullptr, nullptr);
    auto make = [&](const char* cls, const char* text, DWORD style, RECT r, DWORD ex = 0) {
        HWND h = CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, g, nullptr, nullptr, nullptr);
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), 0);
        return h;
    };
    make("Static", "Syntax:", SS_LEFT, {10, 10, 120, 24});
    make("Static", "SELECT <columns>\r\nFROM <table>\r\n[WHERE  <search condition>]", SS_LEFT,
         {10, 26, 180, 74});
    make("Static", "", SS_ETCHEDVERT, {190, 10, 192, 230});
    make("Edit", "SELECT [Name], [City]\r\nFROM [Customers]\r\nORDER BY [Name] ASC",
         ES_MULTILINE | ES_READONLY, {10, 80, 180, 150}, WS_EX_CLIENTEDGE);
    HWND prompt =
        make("Edit", "Customer name", ES_AUTOHSCROLL, {10, 160, 180, 181}, WS_EX_CLIENTEDGE);
    HWND where = make("Button", "", BS_AUTOCHECKBOX, {200, 12, 215, 27});
    SendMessageA(where, BM_SETCHECK, BST_CHECKED, 0);
    make("Button", "Order by", BS_AUTOCHECKBOX, {200, 34, 300, 50});
    make("Button", "OK", BS_DEFPUSHBUTTON, {320, 160, 400, 183});
    make("Button", "Cancel", BS_PUSHBUTTON, {320, 190, 400, 213});
    HWND off = make("Button", "Disabled", BS_PUSHBUTTON, {320, 130, 400, 153});
    EnableWindow(off, FALSE);
    HWND bar = make("ScrollBar", "", SBS_VERT, {300, 60, 316, 200});
    HWND thin = make("ScrollBar", "", SBS_VERT, {280, 60, 291, 200});
    HWND across = make("ScrollBar", "", SBS_HORZ, {200, 205, 300, 221});
    for (HWND h : {bar, thin, across}) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = 99;
        info.nPage = 20;
        info.nPos = 30;
        SetScrollInfo(h, SB_CTL, &info, TRUE);
    }
    SetFocus(prompt);
    SendMessageA(prompt, EM_SETSEL, 0, 8);
    display->Pump();
    const std::string path = std::string(QVSQL_TEST_OUTPUT_DIR) + "/ctl_gallery.png";
    EXPECT_TRUE(display->SaveWindowPng(g, path));
}

} // namespace
} // namespace wintest
