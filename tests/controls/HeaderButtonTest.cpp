// The flat header, the image button, the off-screen surface and the auto-widening combo box,
// driven through injected input on the headless display.
#include "controls/CButtonST.h"
#include "controls/CComboBoxFlexW.h"
#include "controls/CQvMemDC.h"
#include "controls/CXHeaderCtrl.h"
#include "platform/afx/CImageList.h"
#include "platform/afx/CWinApp.h"
#include "platform/win/Resources.h"
#include "platform/win/WindowSystem.h"
#include "resources/LibraryResources.h"
#include "resources/ResourceIds.h"
#include "tests/platform/CtlFixture.h"

#include <algorithm>

namespace {

constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Magenta = RGB(255, 0, 255);

struct Column {
    const char* text;
    int width;
    int format = 0;
    int image = 0;
    HBITMAP bitmap = nullptr;
};

bool Bluish(COLORREF c) {
    return GetBValue(c) >= GetRValue(c) && GetBValue(c) >= GetGValue(c);
}

// A bitmap whose left and right halves have the given colours.
void MakeBitmap(CBitmap& bitmap, int width, int height, COLORREF left, COLORREF right) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, bitmap.m_hObject);
    dc.FillSolidRect(0, 0, width / 2, height, left);
    dc.FillSolidRect(width / 2, 0, width - width / 2, height, right);
    ::SelectObject(dc.m_hDC, old);
}

COLORREF BitmapPixel(CBitmap& bitmap, int x, int y) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, bitmap.m_hObject);
    const COLORREF c = ::GetPixel(dc.m_hDC, x, y);
    ::SelectObject(dc.m_hDC, old);
    return c;
}

class MiscControlsTest : public wintest::CtlFixture {
  protected:
    void SetUp() override {
        CtlFixture::SetUp();
        parent.SubclassWindow(dialog);
        res::RegisterLibraryResources(win::Resources::Get().RegisterModule("libMiscTest.so"));
        face = GetSysColor(COLOR_BTNFACE);
        light = GetSysColor(COLOR_BTNHIGHLIGHT);
        shadow = GetSysColor(COLOR_BTNSHADOW);
    }
    void TearDown() override {
        parent.UnsubclassWindow();
        CtlFixture::TearDown();
    }

    void MakeHeader(CXHeaderCtrl& header, std::initializer_list<Column> columns) {
        header.SubclassWindow(Make(WC_HEADERA, "", 0, {10, 10, 290, 30}, 77));
        int i = 0;
        for (const Column& c : columns) {
            HDITEMA item{.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE | HDI_BITMAP,
                         .cxy = c.width,
                         .pszText = const_cast<char*>(c.text),
                         .hbm = c.bitmap,
                         .fmt = HDF_STRING | c.format,
                         .iImage = c.image};
            header.InsertItem(i++, &item);
        }
        display->Pump();
    }
    CButtonST& MakeButton(CButtonST& button, const char* text, int x, int id, int icon,
                          DWORD style = BS_PUSHBUTTON) {
        button.SubclassWindow(Make("button", text, style, {x, 100, x + 24, 124}, id));
        button.SetIcon(icon, 0);
        display->Pump();
        return button;
    }
    void MouseTo(HWND control, int x, int y) {
        display->MoveMouse(At(control, x, y));
        display->Pump();
    }
    // The four edge midpoints of a 24 x 24 button: left, top, bottom, right.
    std::vector<COLORREF> Edges(HWND button) const {
        return {Pixel(button, 0, 12), Pixel(button, 12, 0), Pixel(button, 12, 23),
                Pixel(button, 23, 12)};
    }
    RECT ListRect(CComboBox& combo) const {
        COMBOBOXINFO info;
        combo.GetComboBoxInfo(&info);
        RECT r{};
        GetWindowRect(info.hwndList, &r);
        return r;
    }
    void ToggleDropDown(HWND combo) {
        ClickAt(combo, 10, 8);
        display->Pump();
    }

    CWinApp app;
    CWnd parent;
    COLORREF face = 0, light = 0, shadow = 0;
};

TEST_F(MiscControlsTest, ReorderedHeaderSeparatesDisplayedColumnsAndFramesThem) {
    CXHeaderCtrl header;
    MakeHeader(header, {{"A", 40}, {"B", 50}, {"W", 60, HDF_RIGHT}, {"D", 30}});
    int order[] = {1, 2, 3, 0};
    ASSERT_TRUE(header.SetOrderArray(4, order));
    display->Pump();

    // Displayed: item 1 at 0-50, item 2 at 50-110, item 3 at 110-140, item 0 at 140-180.
    for (int right : {50, 110, 140}) {
        SCOPED_TRACE(right);
        ExpectPixels(header, {{right - 1, 10, shadow}, {right, 10, light}, {right - 1, 1, face}});
        EXPECT_EQ(Pixel(header, right - 1, 18), face); // the line's end point is not drawn
    }
    EXPECT_EQ(Pixel(header, 180, 10), face); // item 0 is displayed last: no separator
    // Frame round the columns only; the rest is plain face.
    ExpectPixels(header, {{0, 10, light}, {25, 0, light}, {25, 19, shadow}, {179, 10, shadow}});
    ExpectPixels(header, {{230, 0, face}, {230, 19, face}});

    // The right-aligned column's text is blue and centred in its 50-110 cell.
    int minX = 1000, maxX = -1;
    bool strongBlue = false;
    for (int y = 2; y < 18; ++y) {
        for (int x = 56; x < 104; ++x) {
            const COLORREF c = Pixel(header, x, y);
            if (c != face) {
                EXPECT_TRUE(Bluish(c)) << x << "," << y;
                strongBlue |= GetBValue(c) - std::max(GetRValue(c), GetGValue(c)) > 100;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
        }
    }
    EXPECT_TRUE(strongBlue);
    EXPECT_NEAR((minX + maxX) / 2.0, 80.0, 2.0);
}

TEST_F(MiscControlsTest, EmptyHeaderShowsFaceAndFollowsSystemColours) {
    CXHeaderCtrl header;
    MakeHeader(header, {});
    ExpectPixels(header, {{0, 10, face}, {10, 0, face}, {10, 19, face}});

    const int index = COLOR_BTNFACE;
    const COLORREF changed = RGB(10, 120, 30);
    SetSysColors(1, &index, &changed);
    display->Pump();
    EXPECT_EQ(header.GetFaceColor(), changed);
    EXPECT_EQ(Pixel(header, 10, 10), changed);
    SetSysColors(1, &index, &face);
}

TEST_F(MiscControlsTest, HeaderImagesBitmapsAndOwnerDrawnColumns) {
    CBitmap strip, small, wide;
    MakeBitmap(strip, 16, 8, Red, Green); // image 0 red, image 1 green
    MakeBitmap(small, 10, 6, Magenta, Magenta);
    MakeBitmap(wide, 200, 6, Magenta, Magenta);
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR32, 2, 0));
    ASSERT_EQ(images.Add(&strip, CLR_NONE), 0);
    ASSERT_EQ(images.GetImageCount(), 2);
    CDC none;
    EXPECT_FALSE(images.DrawIndirect(&none, 0, {0, 0}, {8, 8}, {0, 0}));
    EXPECT_FALSE(images.DrawIndirect(nullptr, 5, {0, 0}, {8, 8}, {0, 0}));
    EXPECT_EQ(CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(&none)), nullptr);

    CXHeaderCtrl header;
    MakeHeader(header, {{"", 100, HDF_BITMAP, 1, small},
                        {"", 100, HDF_BITMAP, 0, wide},
                        {"X", 60, HDF_OWNERDRAW}});
    EXPECT_EQ(header.SetImageList(&images), nullptr);
    EXPECT_EQ(header.GetImageList(), &images);
    EXPECT_EQ(header.GetImageSize(), CSize(8, 8));
    header.Invalidate();
    display->Pump();

    // Image 1 at the left after the spacing, centred vertically; the bitmap at the right.
    ExpectPixels(header, {{6, 6, Green}, {13, 13, Green}, {5, 6, face}, {84, 7, Magenta}});
    ExpectPixels(header, {{93, 12, Magenta}, {94, 7, face}});
    // Image index 0 means no image; a bitmap wider than the room is left out; an owner-drawn
    // column shows only its face.
    for (int x = 102; x < 258; ++x) {
        for (int y = 2; y < 18; ++y) {
            if (x != 199 && x != 200) {
                ASSERT_EQ(Pixel(header, x, y), face) << x << "," << y;
            }
        }
    }
}

TEST_F(MiscControlsTest, MemDCCopiesItsClipBoxOnceWithTheTargetsCoordinates) {
    CDC target;
    ASSERT_TRUE(target.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&target, 40, 40);
    HGDIOBJ old = ::SelectObject(target.m_hDC, bitmap.m_hObject);
    target.FillSolidRect(0, 0, 40, 40, White);
    ::IntersectClipRect(target.m_hDC, 5, 5, 25, 25);
    {
        CQvMemDC memory(&target);
        EXPECT_TRUE(memory.IsBuffered());
        EXPECT_EQ(memory.GetArea(), CRect(5, 5, 25, 25));
        BITMAP info{};
        ::GetObjectA(::GetCurrentObject(memory.m_hDC, OBJ_BITMAP), sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, 20);
        EXPECT_EQ(info.bmHeight, 20);
        memory.FillSolidRect(0, 0, 40, 40, Red);
        ::SetPixel(memory.m_hDC, 10, 10, Blue);
        memory.SetWindowOrg(0, 0);
        EXPECT_EQ(::GetPixel(memory.m_hDC, 5, 5), Blue); // (10, 10) is the bitmap's (5, 5)
        memory.SetWindowOrg(5, 5);
        EXPECT_EQ(::GetPixel(target.m_hDC, 10, 10), White); // nothing copied before the end
    }
    ::SelectObject(target.m_hDC, old);
    pixeltest::ExpectPixels(
        [&](int x, int y) { return BitmapPixel(bitmap, x, y); },
        {{10, 10, Blue}, {5, 5, Red}, {24, 24, Red}, {4, 4, White}, {25, 25, White}});

    // A printing target is drawn on directly and stays usable afterwards.
    ::SelectObject(target.m_hDC, bitmap.m_hObject);
    target.m_bPrinting = TRUE;
    {
        CQvMemDC direct(&target);
        EXPECT_FALSE(direct.IsBuffered());
        EXPECT_EQ(direct.m_hDC, target.m_hDC);
        ::SetPixel(direct.m_hDC, 12, 12, Green);
        EXPECT_EQ(::GetPixel(target.m_hDC, 12, 12), Green);
    }
    EXPECT_EQ(::GetPixel(target.m_hDC, 12, 12), Green);
    ::SelectObject(target.m_hDC, old);
    CQvMemDC none(nullptr);
    EXPECT_FALSE(none.IsBuffered());
}

TEST_F(MiscControlsTest, ButtonAttachesOwnerDrawnAndLoadsItsIcons) {
    CButtonST def, other;
    MakeButton(def, "", 20, 1014, res::IDI_DOWN, BS_DEFPUSHBUTTON);
    EXPECT_TRUE(def.IsDefault());
    EXPECT_EQ(def.GetButtonStyle() & 0x0F, static_cast<UINT>(BS_OWNERDRAW));
    EXPECT_EQ(def.GetIconSize(), CSize(32, 32));
    EXPECT_NE(def.GetHoverIcon(), nullptr);
    EXPECT_EQ(def.GetNormalIcon(), def.GetHoverIcon());

    MakeButton(other, "", 60, 1015, res::IDI_PLUS);
    EXPECT_FALSE(other.IsDefault());
    other.SetIcon(res::IDI_PLUS, res::IDI_MINUS);
    EXPECT_NE(other.GetNormalIcon(), other.GetHoverIcon());
    other.SetIcon(4242, 0); // no such icon: nothing drawn, size 0
    EXPECT_EQ(other.GetHoverIcon(), nullptr);
    EXPECT_EQ(other.GetIconSize(), CSize(0, 0));
    display->Pump();

    // The tooltip comes with the first queued message and is never shown.
    EXPECT_EQ(def.GetToolTip().m_hWnd, nullptr);
    MouseTo(def, 12, 12);
    ASSERT_NE(def.GetToolTip().m_hWnd, nullptr);
    display->AdvanceClock(6000);
    EXPECT_FALSE(def.GetToolTip().IsWindowVisible());
}

TEST_F(MiscControlsTest, ButtonDrawsBorderAndIconForEachState) {
    CButtonST up;
    MakeButton(up, "", 20, 1014, res::IDI_UP);
    const std::vector<COLORREF> none{face, face, face, face};
    // The 32 x 32 icon is centred on the 24 x 24 button: its apex (15, 11) lands at (11, 7).
    EXPECT_EQ(up.GetLook(), CButtonST::Look::Normal);
    EXPECT_EQ(Edges(up), none);
    ExpectPixels(up, {{11, 7, Blue}, {4, 14, Blue}, {3, 14, face}});

    MouseTo(up, 12, 12);
    EXPECT_EQ(up.GetLook(), CButtonST::Look::Hover);
    EXPECT_EQ(Edges(up), (std::vector<COLORREF>{light, light, shadow, shadow}));

    display->ButtonDown();
    display->Pump();
    EXPECT_EQ(up.GetLook(), CButtonST::Look::Pressed);
    EXPECT_EQ(Edges(up), (std::vector<COLORREF>{shadow, shadow, light, light}));
    EXPECT_EQ(Pixel(up, 12, 8), Blue); // icon moved by (1, 1)
    EXPECT_EQ(Pixel(up, 11, 7), face);

    Release();
    EXPECT_EQ(Events(), std::vector<std::string>{"cmd:1014:0"});
    EXPECT_EQ(up.GetLook(), CButtonST::Look::Hover);

    // Focus alone draws nothing.
    MouseTo(up, 13, 13);
    MouseTo(dialog, 300, 250);
    EXPECT_EQ(GetFocus(), up.m_hWnd);
    EXPECT_EQ(Edges(up), none);

    up.EnableWindow(FALSE);
    display->Pump();
    EXPECT_EQ(up.GetLook(), CButtonST::Look::Disabled);
    bool anyDrawn = false;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            ASSERT_NE(Pixel(up, x, y), Blue);
            anyDrawn |= Pixel(up, x, y) != face;
        }
    }
    EXPECT_TRUE(anyDrawn);
}

TEST_F(MiscControlsTest, ButtonHoverTracksWithCapture) {
    using State = CButtonST::HoverState;
    CButtonST up;
    MakeButton(up, "", 20, 1014, res::IDI_UP);
    EXPECT_EQ(up.GetHoverState(), State::Outside);

    MouseTo(up, 12, 12); // enters: lit, holding the capture
    EXPECT_EQ(up.GetHoverState(), State::Hovering);
    EXPECT_EQ(GetCapture(), up.m_hWnd);
    MouseTo(up, 3, 20);
    EXPECT_EQ(up.GetHoverState(), State::Hovering);
    MouseTo(dialog, 300, 250); // leaves: unlit, capture released
    EXPECT_EQ(up.GetHoverState(), State::Outside);
    EXPECT_EQ(GetCapture(), nullptr);

    // A click: the release takes the capture away but the button stays lit until the next
    // move over it, which takes the capture back.
    MouseTo(up, 12, 12);
    display->ButtonDown();
    Release();
    EXPECT_EQ(up.GetHoverState(), State::Hovering);
    EXPECT_EQ(GetCapture(), nullptr);
    MouseTo(up, 13, 13);
    EXPECT_EQ(GetCapture(), up.m_hWnd);
    MouseTo(dialog, 300, 250);
    EXPECT_EQ(up.GetHoverState(), State::Outside);
    EXPECT_EQ(Events(), std::vector<std::string>{"cmd:1014:0"});

    // Pressed and dragged off: unlit, the capture stays until the release; no click.
    MouseTo(up, 12, 12);
    display->ButtonDown();
    MouseTo(dialog, 300, 250);
    EXPECT_EQ(up.GetHoverState(), State::HeldOff);
    EXPECT_EQ(GetCapture(), up.m_hWnd);
    Release();
    EXPECT_EQ(up.GetHoverState(), State::Outside);
    EXPECT_TRUE(Events().empty());
}

TEST_F(MiscControlsTest, ButtonHoverIgnoresForeignPressesAndInactiveApplications) {
    using State = CButtonST::HoverState;
    CButtonST up;
    MakeButton(up, "", 20, 1014, res::IDI_UP);
    // A press that began elsewhere does not light the button.
    MouseTo(dialog, 300, 250);
    display->ButtonDown();
    MouseTo(up, 12, 12);
    EXPECT_EQ(up.GetHoverState(), State::Outside);
    display->ButtonUp();
    MouseTo(dialog, 300, 250);

    // Nor does a move while another application is active.
    win::NativeActivated(dialog, false);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    MouseTo(up, 12, 12);
    EXPECT_EQ(up.GetHoverState(), State::Outside);
    EXPECT_EQ(Edges(up), (std::vector<COLORREF>{face, face, face, face}));
}

TEST_F(MiscControlsTest, ButtonDoubleClickIsTwoClicksAndCaptionedIconSitsLeft) {
    CButtonST plus;
    MakeButton(plus, "+", 60, 1016, res::IDI_PLUS);
    // The bar (3..16, 15) of the icon lands 3 pixels in: x 6..19, y 11.
    ExpectPixels(plus, {{6, 11, Blue}, {19, 11, Blue}, {5, 11, face}});

    display->DoubleClick(At(plus, 12, 12));
    EXPECT_EQ(Events(), (std::vector<std::string>{"cmd:1016:0", "cmd:1016:0"}));
}

// The list is widened to a fixed share of its longest entry's width: an entry twice as long
// (the same words twice) gives a list twice as wide, and the list stays narrower than the text;
// entries that fit change nothing.
TEST_F(MiscControlsTest, ComboListWidensOnceToItsLongestEntry) {
    const std::string name = "A table name much longer than the combo box ";
    const auto widenFor = [&](CComboBoxFlexW& combo, int id, int top, const std::string& entry) {
        combo.SubclassWindow(
            Make("combobox", "", CBS_DROPDOWNLIST | WS_VSCROLL, {20, top, 100, top + 100}, id));
        display->Pump();
        ToggleDropDown(combo);
        EXPECT_EQ(combo.GetMaxItemWidth(), 0); // nothing to measure yet
        const RECT plain = ListRect(combo);
        ToggleDropDown(combo);
        combo.AddString("a");
        combo.AddString(entry.c_str());
        ToggleDropDown(combo);
        const RECT wide = ListRect(combo);
        EXPECT_EQ(wide.left, plain.left);
        EXPECT_EQ(wide.top, plain.top);
        EXPECT_EQ(wide.right - wide.left, combo.GetMaxItemWidth());
        ToggleDropDown(combo);
        return static_cast<int>(wide.right - wide.left);
    };
    CComboBoxFlexW once, twice;
    const int width = widenFor(once, 1007, 150, name);
    EXPECT_GT(width, 80);
    EXPECT_NEAR(widenFor(twice, 1008, 260, name + name), 2 * width, 1);

    COMBOBOXINFO info;
    once.GetComboBoxInfo(&info);
    HDC dc = GetDC(info.hwndList);
    SIZE text{};
    GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &text);
    ReleaseDC(info.hwndList, dc);
    EXPECT_LT(width, text.cx);

    // Measured once: a later, longer entry changes nothing.
    once.AddString((name + name + name).c_str());
    ToggleDropDown(once);
    EXPECT_EQ(ListRect(once).right - ListRect(once).left, width);
    ToggleDropDown(once);

    // Entries that fit leave the list as wide as the box.
    CComboBoxFlexW fits;
    fits.SubclassWindow(
        Make("combobox", "", CBS_DROPDOWNLIST | WS_VSCROLL, {120, 150, 300, 250}, 1009));
    fits.AddString("ab");
    ToggleDropDown(fits);
    EXPECT_GT(fits.GetMaxItemWidth(), 0);
    EXPECT_EQ(ListRect(fits).right - ListRect(fits).left, 180);
    ToggleDropDown(fits);
}

} // namespace
