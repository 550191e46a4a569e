#include "tests/platform/CtlFixture.h"

#include "platform/base/CommCtrl.h"
#include "platform/gfx/Gdi.h"

#include <string>

namespace wintest {

namespace {

class HeaderTest : public CtlFixture {
  protected:
    HWND MakeHeader(DWORD style = 0) {
        header = Make(WC_HEADERA, "", style, {10, 10, 310, 34}, 5);
        return header;
    }
    LRESULT Insert(int index, const char* text, int width, int format = HDF_STRING | HDF_LEFT) {
        HDITEMA item{.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM,
                     .cxy = width,
                     .pszText = const_cast<char*>(text),
                     .fmt = format,
                     .lParam = width * 10};
        return SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(&item));
    }
    RECT ItemRect(int index) {
        RECT r{};
        SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        return r;
    }
    bool SetOrder(std::vector<int> order) {
        return SendMessageA(header, HDM_SETORDERARRAY, order.size(),
                            reinterpret_cast<LPARAM>(order.data())) != 0;
    }
    // Columns of the header's middle line holding text-coloured pixels.
    std::vector<int> TextColumns() {
        std::vector<int> xs;
        for (int x = 0; x < 300; ++x) {
            for (int y = 4; y < 20; ++y) {
                if (Pixel(header, x, y) == GetSysColor(COLOR_BTNTEXT)) {
                    xs.push_back(x);
                    break;
                }
            }
        }
        return xs;
    }
    HWND header = nullptr;
};

TEST_F(HeaderTest, KeepsItemsAndTheirDisplayOrder) {
    MakeHeader();
    EXPECT_EQ(Insert(0, "First", 80), 0);
    EXPECT_EQ(Insert(99, "Second", 100), 1);
    EXPECT_EQ(Insert(1, "Middle", 60, HDF_STRING | HDF_CENTER), 1);
    EXPECT_EQ(Insert(-1, "x", 1), -1);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);

    char text[4] = {};
    HDITEMA item{.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM | HDI_ORDER,
                 .pszText = text,
                 .cchTextMax = sizeof(text)};
    ASSERT_TRUE(SendMessageA(header, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Mid");
    EXPECT_EQ(item.cxy, 60);
    EXPECT_EQ(item.fmt, HDF_STRING | HDF_CENTER);
    EXPECT_EQ(item.lParam, 600);
    EXPECT_EQ(item.iOrder, 1);

    EXPECT_FALSE(SetOrder({0, 0, 1}));
    EXPECT_FALSE(SetOrder({0, 1}));
    ASSERT_TRUE(SetOrder({2, 0, 1}));
    EXPECT_EQ(SendMessageA(header, HDM_ORDERTOINDEX, 0, 0), 2);
    EXPECT_EQ(SendMessageA(header, HDM_ORDERTOINDEX, 5, 0), -1);
    int order[3] = {};
    EXPECT_TRUE(SendMessageA(header, HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(order)));
    EXPECT_THAT(order, ::testing::ElementsAre(2, 0, 1));
    EXPECT_EQ(ItemRect(2).left, 0);
    EXPECT_EQ(ItemRect(0).left, 100);
    EXPECT_EQ(ItemRect(1).left, 180);
    EXPECT_EQ(ItemRect(1).right, 240);
    EXPECT_EQ(ItemRect(1).bottom, 24);

    EXPECT_TRUE(SendMessageA(header, HDM_DELETEITEM, 0, 0));
    EXPECT_EQ(SendMessageA(header, HDM_ORDERTOINDEX, 0, 0), 1);
    EXPECT_EQ(SendMessageA(header, HDM_ORDERTOINDEX, 1, 0), 0);
    EXPECT_FALSE(SendMessageA(header, HDM_DELETEITEM, 7, 0));
}

TEST_F(HeaderTest, AWideTextIsReadBackNarrow) {
    MakeHeader();
    WCHAR wide[] = u"Wide";
    HDITEMW w{.mask = HDI_TEXT | HDI_WIDTH, .cxy = 30, .pszText = wide};
    EXPECT_EQ(SendMessageA(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&w)), 0);
    char back[16] = {};
    HDITEMA item{.mask = HDI_TEXT, .pszText = back, .cchTextMax = sizeof(back)};
    SendMessageA(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(back, "Wide");
}

TEST_F(HeaderTest, LayoutImagesAndBadInput) {
    MakeHeader();
    RECT area{0, 0, 200, 100};
    WINDOWPOS pos{};
    HDLAYOUT layout{&area, &pos};
    ASSERT_TRUE(SendMessageA(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)));
    EXPECT_GT(pos.cy, 0);
    EXPECT_EQ(pos.cx, 200);
    EXPECT_EQ(area.top, pos.cy);
    EXPECT_EQ(pos.hwnd, header);

    SetWindowLongPtrA(header, GWL_STYLE,
                      GetWindowLongPtrA(header, GWL_STYLE) | static_cast<LONG_PTR>(HDS_HIDDEN));
    area = {0, 0, 200, 100};
    SendMessageA(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    EXPECT_EQ(pos.cy, 0);
    EXPECT_EQ(area.top, 0);

    EXPECT_EQ(SendMessageA(header, HDM_GETIMAGELIST, 0, 0), 0);
    auto images = reinterpret_cast<HIMAGELIST>(0x1234);
    EXPECT_EQ(SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)), 0);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0)), images);

    for (UINT msg = HDM_FIRST; msg <= HDM_SETORDERARRAY; ++msg) {
        for (WPARAM wp : {WPARAM(0), static_cast<WPARAM>(-3), WPARAM(1000)}) {
            SendMessageA(header, msg, wp, 0);
        }
    }
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 0);
    DestroyWindow(header);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(HeaderTest, PaintsReorderedItemsWithSeparatorsAndText) {
    MakeHeader();
    Insert(0, "AAAA", 80);
    Insert(1, "BBBB", 100);
    Insert(2, "CCCC", 60, HDF_STRING | HDF_RIGHT);
    ASSERT_TRUE(SetOrder({1, 2, 0}));
    display->Pump();
    // Each item ends in the dark edge of its raised frame (100, 160, 240); the text colour is
    // that dark too, so the separators are left out of the text checks below.
    for (int edge : {99, 159, 239}) {
        EXPECT_EQ(Pixel(header, edge, 12), GetSysColor(COLOR_3DDKSHADOW)) << edge;
        EXPECT_EQ(Pixel(header, edge + 3, 12), GetSysColor(COLOR_BTNFACE)) << edge;
    }
    const auto xs = TextColumns();
    ASSERT_FALSE(xs.empty());
    // "BBBB" starts left in 0..100, "CCCC" ends right in 100..160, "AAAA" starts at 160 + 6.
    EXPECT_GE(xs.front(), 6);
    EXPECT_LT(xs.front(), 12);
    auto inRange = [&](int lo, int hi) {
        return std::count_if(xs.begin(), xs.end(), [&](int x) { return x >= lo && x < hi; });
    };
    EXPECT_GT(inRange(100, 160), 0);
    EXPECT_EQ(inRange(100, 110), 0);
    EXPECT_GT(inRange(166, 175), 0);
    EXPECT_EQ(inRange(160, 166), 0);
    // Past the items only the frame of the empty rest, whose dark edge is at 299.
    EXPECT_EQ(inRange(241, 299), 0);
    EXPECT_TRUE(display->SaveWindowPng(dialog, QVSQL_TEST_OUTPUT_DIR "/header.png"));
}

} // namespace

} // namespace wintest
