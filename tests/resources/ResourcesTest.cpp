#include "platform/win/Resources.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WinDialogs.h"
#include "resources/DialogTemplates.h"
#include "resources/IconGlyphs.h"
#include "resources/LibraryResources.h"
#include "resources/ResourceIds.h"
#include "resources/VersionRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace res {
namespace {

// The glyph's painted pixels as "x,y" rows of '#', so a test can read a row at a time.
std::string Row(const IconImage& image, int y) {
    std::string row;
    for (int x = 0; x < image.width; ++x) {
        row += image.mask[static_cast<std::size_t>(y * image.width + x)] == 0 ? '#' : '.';
    }
    return row;
}

std::string Span(int from, int to) {
    return std::string(static_cast<std::size_t>(from), '.') +
           std::string(static_cast<std::size_t>(to - from + 1), '#') +
           std::string(static_cast<std::size_t>(31 - to), '.');
}

TEST(Icons, GlyphsFollowTheirPixelDescription) {
    const IconImage plus = IconGlyph(IDI_PLUS);
    ASSERT_EQ(plus.width, 32);
    EXPECT_EQ(Row(plus, 8), std::string(32, '.'));
    EXPECT_EQ(Row(plus, 9), Span(9, 10));
    EXPECT_EQ(Row(plus, 15), Span(3, 16));
    EXPECT_EQ(Row(plus, 16), Span(3, 16));
    EXPECT_EQ(Row(plus, 22), Span(9, 10));
    EXPECT_EQ(Row(plus, 23), std::string(32, '.'));
    EXPECT_EQ(plus.colours[15 * 32 + 3], RGB(0, 0, 255));

    const IconImage minus = IconGlyph(IDI_MINUS);
    EXPECT_EQ(Row(minus, 14), std::string(32, '.'));
    EXPECT_EQ(Row(minus, 15), Span(3, 16));
    EXPECT_EQ(Row(minus, 17), std::string(32, '.'));

    const IconImage up = IconGlyph(IDI_UP);
    EXPECT_EQ(Row(up, 10), std::string(32, '.'));
    EXPECT_EQ(Row(up, 11), Span(15, 16));
    EXPECT_EQ(Row(up, 14), Span(12, 19));
    EXPECT_EQ(Row(up, 18), Span(8, 23));
    EXPECT_EQ(Row(up, 19), std::string(32, '.'));

    const IconImage down = IconGlyph(IDI_DOWN);
    EXPECT_EQ(Row(down, 12), std::string(32, '.'));
    EXPECT_EQ(Row(down, 13), Span(8, 23));
    EXPECT_EQ(Row(down, 20), Span(15, 16));
    EXPECT_EQ(Row(down, 21), std::string(32, '.'));

    EXPECT_EQ(IconGlyph(42).width, 0);
}

TEST(Templates, ControlsInTemplateOrder) {
    const DialogTemplate& builder = QueryBuilderTemplate();
    EXPECT_STREQ(builder.title, "Orvane SQL Query Builder - SELECT SQL Query");
    EXPECT_EQ(builder.cx, 400);
    EXPECT_EQ(builder.cy, 266);
    EXPECT_STREQ(builder.fontFace, "MS Sans Serif");
    std::vector<int> ids;
    for (const DialogItemTemplate& item : builder.items) {
        ids.push_back(item.id);
    }
    EXPECT_EQ(ids,
              (std::vector<int>{1000, 1001, 1002, 1003, -1,   1004, 1005, 1006, 1007, 1009, 1010,
                                1008, 1016, 1018, 1012, 1013, 1011, 1014, 1015, 1,    2}));
    EXPECT_EQ(builder.items[19].style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));

    const DialogTemplate& wp = WhenPrintedTemplate();
    EXPECT_STREQ(wp.title, "When Printed variable");
    ASSERT_EQ(wp.items.size(), 6u);
    EXPECT_EQ(wp.items[2].id, IDC_WP_DEFAULT);
    EXPECT_EQ(wp.items[3].id, IDC_WP_PROMPT);
}

// The build's project version reaches the record, so a release bump cannot miss it.
TEST(Version, RecordCarriesTheProjectVersionAndTheLibraryNames) {
    const VersionRecord& record = LibraryVersion();
    EXPECT_EQ(VersionText(record.fileVersion), std::string(QVSQL_PROJECT_VERSION) + ".0");
    EXPECT_EQ(record.productVersion, record.fileVersion);
    EXPECT_STREQ(record.productName, "QvSQLBuilder");
    EXPECT_STREQ(record.originalFileName, "libQvSQLBuilder.so");
    EXPECT_EQ(std::string(record.copyright).rfind("Copyright", 0), 0u);
    EXPECT_EQ(VersionText({1, 22, 333, 4}), "1.22.333.4");
}

class LibraryResources : public ::testing::Test {
  protected:
    void SetUp() override {
        win::SetBackend(std::make_unique<backend::HeadlessBackend>());
        ctl::RegisterBuiltinControls();
        module = win::Resources::Get().RegisterModule("libQvSQLBuilderTest.so");
        RegisterLibraryResources(module);
    }
    void TearDown() override { win::SetBackend(nullptr); }

    HMODULE module = nullptr;
};

TEST_F(LibraryResources, IconsLoadAtTheirSizes) {
    auto* up = static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(IDI_UP), IMAGE_ICON, 0, 0, LR_SHARED));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(up, &info));
    EXPECT_EQ(info.xHotspot, 16u);
    EXPECT_EQ(info.yHotspot, 16u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    HICON small = static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(IDI_DOWN), IMAGE_ICON, 16, 16, LR_SHARED));
    ASSERT_TRUE(GetIconInfo(small, &info));
    EXPECT_EQ(info.xHotspot, 8u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_NE(win::Resources::Get().Dialog(module, IDD_WHENPRINTED), nullptr);
}

} // namespace
} // namespace res
