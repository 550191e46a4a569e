// The gallery of built-in controls on the headless backend: what its pixels must show, and
// screenshots for looking at.
#include "platform/ctl/BuiltinControls.h"
#include "platform/ctl/ComboBoxControl.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/Png.h"
#include "platform/win/WindowSystem.h"
#include "tests/platform/GalleryTemplate.h"
#include "tests/platform/InkPixels.h"
#include "tests/platform/WinFixture.h"

#include <map>
#include <string>

namespace wintest {
namespace {

class Gallery : public WinFixture {
  protected:
    void SetUp() override {
        WinFixture::SetUp();
        ctl::RegisterBuiltinControls();
        dialog =
            CreateDialogIndirectParamA(nullptr, &gallery::Template(), nullptr, gallery::Proc, 0);
        ASSERT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
        display->Pump();
        surface = win::WindowSurface(dialog);
        ASSERT_NE(surface, nullptr);
    }

    void TearDown() override {
        DestroyWindow(dialog);
        WinFixture::TearDown();
    }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    // A control's client rectangle in the dialog surface's pixels (frame included).
    RECT InSurface(HWND control) const {
        RECT r{};
        GetClientRect(control, &r);
        POINT origin{0, 0};
        ClientToScreen(control, &origin);
        RECT outer{};
        GetWindowRect(dialog, &outer);
        OffsetRect(&r, origin.x - outer.left, origin.y - outer.top);
        return r;
    }

    COLORREF At(HWND control, int x, int y) const {
        const RECT r = InSurface(control);
        return surface->ColorAt(r.left + x, r.top + y);
    }

    static std::string Output(const char* name) {
        return std::string(QVSQL_TEST_OUTPUT_DIR) + "/" + name;
    }

    HWND dialog = nullptr;
    const gfx::Surface* surface = nullptr;
};

TEST_F(Gallery, ShowsEveryControlWithItsFixedColours) {
    EXPECT_TRUE(display->SaveWindowPng(dialog, Output("gallery.png")));
    // Its size in dialog units is DialogManagerTest's.
    // The default button's dark frame goes all round; Cancel has none.
    HWND ok = Item(IDOK);
    RECT b{};
    GetClientRect(ok, &b);
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    for (POINT p : {POINT{0, b.bottom / 2}, POINT{b.right - 1, b.bottom / 2}, POINT{b.right / 2, 0},
                    POINT{b.right / 2, b.bottom - 1}}) {
        EXPECT_EQ(At(ok, p.x, p.y), frame) << p.x << "," << p.y;
    }
    EXPECT_NE(At(Item(IDCANCEL), 0, b.bottom / 2), frame);

    // Blue text only inside the label.
    const RECT label = InSurface(Item(gallery::TableLabel));
    const COLORREF blue = gallery::LabelBlue;
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < surface->Height(); ++y) {
        for (int x = 0; x < surface->Width(); ++x) {
            if (IsInk(surface->ColorAt(x, y), blue, face)) {
                ++(PtInRect(&label, POINT{x, y}) ? inside : outside);
            }
        }
    }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);

    // The read-only preview is white below its four lines of text.
    HWND preview = Item(gallery::Preview);
    RECT pr{};
    GetClientRect(preview, &pr);
    int notWhite = 0;
    for (int y = pr.bottom / 2; y < pr.bottom; ++y) {
        for (int x = 0; x < pr.right; ++x) {
            notWhite += At(preview, x, y) != RGB(255, 255, 255);
        }
    }
    EXPECT_EQ(notWhite, 0);
    EXPECT_EQ(At(preview, pr.right - 2, 1), RGB(255, 255, 255));
}

// The box's frame pixels are ButtonTest's; here the template's states and a click.
TEST_F(Gallery, CheckBoxesShowTheTemplatesStatesAndToggleOnAClick) {
    HWND distinct = Item(gallery::Distinct);
    RECT r{};
    GetClientRect(distinct, &r);
    const int middle = r.bottom / 2;
    EXPECT_EQ(At(distinct, 6, middle), GetSysColor(COLOR_WINDOW)) << "unchecked";
    EXPECT_EQ(At(Item(gallery::Quote), 6, middle), GetSysColor(COLOR_WINDOWTEXT)) << "checked";
    POINT p{6, middle};
    ClientToScreen(distinct, &p);
    display->Click(p.x, p.y);
    display->Pump();
    EXPECT_EQ(IsDlgButtonChecked(dialog, gallery::Distinct), BST_CHECKED);
    EXPECT_EQ(At(distinct, 6, middle), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(SendDlgItemMessageA(dialog, gallery::ColumnChecks, LB_GETCURSEL, 0, 0), 1);
}

std::map<int, int> drawn; // WM_DRAWITEM and colour requests by control id

INT_PTR Counting(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWITEM || msg == WM_CTLCOLORSTATIC) {
        ++drawn[msg == WM_DRAWITEM ? static_cast<int>(wParam)
                                   : GetDlgCtrlID(reinterpret_cast<HWND>(lParam))];
    }
    return gallery::Proc(dialog, msg, wParam, lParam);
}

TEST_F(Gallery, AFullRedrawRepaintsEveryControlOnce) {
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(Counting));
    drawn.clear();
    const int presents = display->PresentCount();
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const auto rows =
        static_cast<int>(SendDlgItemMessageA(dialog, gallery::ColumnChecks, LB_GETCOUNT, 0, 0));
    EXPECT_GE(drawn[gallery::ColumnChecks], 10);
    EXPECT_LE(drawn[gallery::ColumnChecks], rows);
    EXPECT_EQ(drawn[gallery::TableLabel], 1);
    EXPECT_EQ(drawn[gallery::Preview], 1);
    EXPECT_EQ(drawn[gallery::Distinct], 1);
    display->Pump();
    EXPECT_EQ(display->PresentCount(), presents + 1);
}

} // namespace
} // namespace wintest
