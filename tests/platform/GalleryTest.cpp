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

    static std::string Output(const char* name) {
        return std::string(QVSQL_TEST_OUTPUT_DIR) + "/" + name;
    }

    HWND dialog = nullptr;
    const gfx::Surface* surface = nullptr;
};

TEST_F(Gallery, ShowsEveryControlWithItsFixedColours) {
    EXPECT_TRUE(display->SaveWindowPng(dialog, Output("gallery.png")));
    // Blue text only inside the label (the default button's frame is ButtonTest's, the
    // preview's white DialogTest's).
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
