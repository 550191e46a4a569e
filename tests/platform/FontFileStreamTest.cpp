#include "platform/gfx/FontFileStream.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace gfx {
namespace {

namespace fs = std::filesystem;

std::size_t OpenFiles() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

TEST(FontFileStream, OpensOnlyRegularFilesWithContent) {
    const qvsql::test::TempDir temp;
    const fs::path& dir = temp.Path();
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::FILE* empty = std::fopen((dir / "empty").c_str(), "w");
    std::fclose(empty);
    for (const fs::path& p : {dir / "missing", dir, dir / "fifo", dir / "empty"}) {
        EXPECT_FALSE(FontFileStream(p.string()).Valid()) << p;
    }
}

// A mapped font file cut short while in use kills the process with SIGBUS; read through the
// stream, its glyphs fail to load instead.
TEST(FontFileStream, AFontCutShortWhileOpenGivesErrorsAndClosesWithTheFace) {
    const qvsql::test::TempDir temp;
    const fs::path copy = temp.Path() / "cut.ttf";
    fs::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", copy);
    const std::size_t before = OpenFiles();
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FontFileStream stream(copy.string());
    FT_Open_Args args = stream.Args();
    FT_Face face = nullptr;
    ASSERT_EQ(FT_Open_Face(library, &args, 0, &face), 0);
    ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, 13), 0);
    EXPECT_EQ(FT_Load_Char(face, 'A', FT_LOAD_RENDER), 0);
    fs::resize_file(copy, 4096);
    int failed = 0;
    for (FT_ULong c = 0x400; c < 0x500; ++c) {
        failed += FT_Load_Char(face, c, FT_LOAD_RENDER) != 0;
    }
    EXPECT_GT(failed, 0);
    FT_Done_Face(face);
    EXPECT_EQ(OpenFiles(), before);
    FT_Done_FreeType(library);
}

} // namespace
} // namespace gfx
