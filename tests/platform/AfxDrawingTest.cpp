// Drawing wrappers over memory surfaces and a window's paint.
#include "tests/platform/AfxTestWindows.h"
#include "tests/platform/WinFixture.h"

#include "platform/win/WindowSystem.h"

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Green = RGB(0, 255, 0);

TEST(CRect, HelpersFollowTheWindowLayersRectangleRules) {
    CRect r(10, 20, 30, 60);
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_EQ(r.CenterPoint(), CPoint(20, 40));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(30, 59))) << "the right edge is outside";
    r.DeflateRect(2, 3);
    EXPECT_EQ(r, CRect(12, 23, 28, 57));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(11, 21, 31, 61));
    r.OffsetRect(CPoint(-11, -21));
    EXPECT_EQ(r, CRect(0, 0, 20, 40));

    CRect both;
    EXPECT_TRUE(both.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(both, CRect(5, 5, 10, 10));
    EXPECT_FALSE(both.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(both.IsRectEmpty());
    EXPECT_TRUE(both.IsRectNull());
    EXPECT_FALSE(IntersectRect(&both, nullptr, &r));
    EXPECT_TRUE(both.UnionRect(CRect(), CRect(1, 2, 3, 4)));
    EXPECT_EQ(both, CRect(1, 2, 3, 4));
    EXPECT_TRUE(both.UnionRect(CRect(1, 2, 3, 4), CRect(5, 0, 6, 1)));
    EXPECT_EQ(both, CRect(1, 0, 6, 4));
    EXPECT_FALSE(both.UnionRect(CRect(), CRect()));
    CRect flipped(5, 6, 1, 2);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(1, 2, 5, 6));
    EXPECT_FALSE(PtInRect(nullptr, POINT{}));
    EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
}

class MemorySurface : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 20, 20));
        CBitmap* old = dc.SelectObject(&bitmap);
        oldBitmap = old ? static_cast<HBITMAP>(*old) : nullptr;
        dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    }
    void TearDown() override {
        dc.SelectObject(CBitmap::FromHandle(oldBitmap));
        AfxDeleteTempMaps();
    }
    COLORREF At(int x, int y) { return GetPixel(dc, x, y); }

    CDC dc;
    CBitmap bitmap;
    HBITMAP oldBitmap = nullptr; // temporary wrappers do not outlive AfxDeleteTempMaps
};

TEST_F(MemorySurface, FillsFramesAndOriginsLandOnTheRightPixels) {
    ASSERT_NE(oldBitmap, nullptr) << "the default bitmap comes back as a temporary wrapper";
    EXPECT_FALSE(dc.IsPrinting());
    dc.FillSolidRect(CRect(2, 2, 5, 5), Red);
    EXPECT_EQ(At(2, 2), Red);
    EXPECT_EQ(At(4, 4), Red);
    EXPECT_NE(At(5, 5), Red);

    dc.Draw3dRect(CRect(10, 10, 14, 14), Blue, Green);
    EXPECT_EQ(At(10, 10), Blue);
    EXPECT_EQ(At(12, 10), Blue);
    EXPECT_EQ(At(13, 10), Green) << "the bottom-right colour owns the top-right corner";
    EXPECT_EQ(At(10, 13), Green);
    EXPECT_EQ(At(11, 11), RGB(255, 255, 255));

    // The origin's mapping itself is DrawingTest.WindowOriginMovesDrawingClipBoxAndBlits.
    EXPECT_EQ(dc.SetWindowOrg(5, 5), CPoint(0, 0));
    CRect box;
    EXPECT_NE(dc.GetClipBox(&box), ERROR);
    EXPECT_EQ(box, CRect(5, 5, 25, 25));
    dc.SetWindowOrg(0, 0);

    CPen pen(PS_SOLID, 1, Blue);
    dc.MoveTo(0, 18);
    CPen* previous = dc.SelectObject(&pen);
    ASSERT_NE(previous, nullptr);
    dc.LineTo(4, 18);
    EXPECT_EQ(At(3, 18), Blue);
    EXPECT_EQ(dc.SelectObject(previous), &pen) << "an owned object comes back as itself";
}

// What a saved state holds is DrawingTest.SaveAndRestoreState; here the wrappers' view of it.
TEST_F(MemorySurface, SaveAndRestoreBringBackColoursAndObjects) {
    dc.SetTextColor(Red);
    const int level = dc.SaveDC();
    EXPECT_GT(level, 0);
    CFont* before = dc.GetCurrentFont();
    dc.SetTextColor(Blue);
    dc.SelectStockObject(ANSI_VAR_FONT);
    EXPECT_NE(dc.GetCurrentFont(), before);
    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetTextColor(), Red);
    EXPECT_EQ(dc.GetCurrentFont(), before);

    CSize size = dc.GetTextExtent("Wide text");
    EXPECT_GT(size.cx, 0);
    CRect r(0, 0, 200, 50);
    dc.DrawText("Wide text", r, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(r.Width(), size.cx);

    CDC* wrapper = CDC::FromHandle(dc.m_hDC);
    EXPECT_EQ(wrapper, &dc);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
    CBrush brush(Green);
    dc.FillRect(CRect(0, 0, 2, 2), &brush);
    dc.FillRect(CRect(0, 0, 2, 2), nullptr);
    EXPECT_EQ(At(1, 1), Green);
}

TEST_F(MemorySurface, WrappersOwnTheirObjectsAndTemporariesDoNot) {
    HPEN handle = nullptr;
    {
        CPen pen(PS_SOLID, 1, Red);
        handle = pen;
        EXPECT_EQ(CPen::FromHandle(handle), &pen);
        EXPECT_EQ(CGdiObject::FromHandle(handle), &pen);
        EXPECT_EQ(CBrush::FromHandle(reinterpret_cast<HBRUSH>(handle)), nullptr);
    }
    EXPECT_EQ(GetObjectType(handle), 0u) << "deleted with its wrapper";

    HBRUSH foreign = CreateSolidBrush(Blue);
    CBrush* temp = CBrush::FromHandle(foreign);
    ASSERT_NE(temp, nullptr);
    AfxDeleteTempMaps();
    EXPECT_NE(GetObjectType(foreign), 0u) << "a temporary wrapper owns nothing";
    DeleteObject(foreign);

    CFont font;
    LOGFONTA lf{};
    lf.lfHeight = -12;
    EXPECT_FALSE(font.CreateFontIndirect(nullptr));
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    LOGFONTA back{};
    EXPECT_TRUE(font.GetLogFont(&back));
    EXPECT_EQ(back.lfHeight, -12);
    BITMAP info{};
    EXPECT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 20);
}

// Paints its client area red through CPaintDC.
class Painter : public afxtest::Probe {
  public:
    using Probe::Probe;
    int paints = 0;

  protected:
    void OnPaint() {
        CPaintDC dc(this);
        ++paints;
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, Red);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Painter, afxtest::Probe)
ON_WM_PAINT()
END_MESSAGE_MAP()

class AfxPaintTest : public wintest::WinFixture {};

TEST_F(AfxPaintTest, PaintDCPaintsTheUpdateAndValidatesIt) {
    Painter painter("painter");
    ASSERT_TRUE(
        painter.CreateEx(0, ClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 30, 30, nullptr, nullptr));
    display->Pump();
    EXPECT_EQ(painter.paints, 1);
    const gfx::Surface* surface = win::WindowSurface(painter.m_hWnd);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->ColorAt(15, 15), Red);
    display->Pump();
    EXPECT_EQ(painter.paints, 1) << "EndPaint validated the window";

    CClientDC client(&painter);
    ASSERT_NE(client.m_hDC, nullptr);
    client.FillSolidRect(0, 0, 1, 1, Blue);
    EXPECT_EQ(GetPixel(client, 0, 0), Blue);
}

} // namespace
