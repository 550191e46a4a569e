#include "platform/sys/ProfileFile.h"
#include "platform/sys/RegularFile.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace {

using qvsql::test::TempDir;

std::string Lookup(const std::string& path, const char* section, const char* key, DWORD size = 1023,
                   const char* defaultValue = "") {
    std::string buffer(size + 1, '#');
    const DWORD copied =
        GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size, path.c_str());
    EXPECT_EQ(copied, std::strlen(buffer.c_str()));
    return buffer.c_str();
}

TEST(ProfileFile, NamesMatchIgnoringCaseAndOuterBlanks) {
    TempDir dir;
    const std::string path = dir.Write("lang.str", "[ SqlBuilder ]\n"
                                                   "  Cancel  =  Annuler  \n"
                                                   "\tOK\t=\tD'accord\t\n"
                                                   "two  words = a  b\n"
                                                   "[SQLBuilder2]\n"
                                                   "Other=no\n");
    EXPECT_EQ(Lookup(path, "SQLBUILDER", "cancel"), "Annuler");
    EXPECT_EQ(Lookup(path, "sqlbuilder", "OK"), "D'accord");
    EXPECT_EQ(Lookup(path, "SQLBuilder", "TWO  WORDS"), "a  b");
    EXPECT_EQ(Lookup(path, "SQLBuilder", "two words", 1023, "none"), "none");
    EXPECT_EQ(Lookup(path, "SQLBuilder", "Other", 1023, "none"), "none");
    EXPECT_EQ(Lookup(path, "SQLBuilder2", "other"), "no");
}

TEST(ProfileFile, OnePairOfMatchingQuotesIsRemoved) {
    TempDir dir;
    const std::string path = dir.Write("q.str", "[S]\n"
                                                "double=\"x y\"\n"
                                                "single= ' padded ' \n"
                                                "mixed=\"mismatch'\n"
                                                "lone=\"\n"
                                                "empty=\"\"\n"
                                                "inner=\"one\" \"two\"\n"
                                                "nested=\"'a'\"\n");
    EXPECT_EQ(Lookup(path, "S", "double"), "x y");
    EXPECT_EQ(Lookup(path, "S", "single"), " padded ");
    EXPECT_EQ(Lookup(path, "S", "mixed"), "\"mismatch'");
    EXPECT_EQ(Lookup(path, "S", "lone"), "\"");
    EXPECT_EQ(Lookup(path, "S", "empty", 1023, "dflt"), "");
    EXPECT_EQ(Lookup(path, "S", "inner"), "one\" \"two");
    EXPECT_EQ(Lookup(path, "S", "nested"), "'a'");
}

TEST(ProfileFile, CommentsLineEndsMarkAndDuplicates) {
    TempDir dir;
    const std::string path = dir.Write("c.str", "\xEF\xBB\xBF[S]\r\n"
                                                "; hidden=1\r\n"
                                                "  ;also=1\r\n"
                                                "key=first\r\n"
                                                "KEY=second\r\n"
                                                "[T]\n"
                                                "late=t\n"
                                                "[s]\n"
                                                "key=third\n"
                                                "late=s\n"
                                                "[broken\n"
                                                "after=still s\n");
    EXPECT_EQ(Lookup(path, "S", "hidden", 1023, "-"), "-");
    EXPECT_EQ(Lookup(path, "S", "also", 1023, "-"), "-");
    EXPECT_EQ(Lookup(path, "S", "key"), "first");
    EXPECT_EQ(Lookup(path, "T", "late"), "t");
    EXPECT_EQ(Lookup(path, "S", "late"), "s");
    EXPECT_EQ(Lookup(path, "S", "after"), "still s");
    // Before the first header no key belongs to a section.
    const std::string loose = dir.Write("loose.str", "key=v\n[S]\n");
    EXPECT_EQ(Lookup(loose, "S", "key", 1023, "-"), "-");
}

TEST(ProfileFile, ValuesAndDefaultsAreCutToTheBuffer) {
    TempDir dir;
    const std::string longValue(2000, 'x');
    const std::string path =
        dir.Write("s.str", "[S]\nlong=" + longValue + "\nquoted=\"" + longValue + "\"\n");
    EXPECT_EQ(Lookup(path, "S", "long"), std::string(1022, 'x'));
    EXPECT_EQ(Lookup(path, "S", "quoted", 5), "xxxx");
    EXPECT_EQ(Lookup(path, "S", "long", 1), "");
    EXPECT_EQ(Lookup(path, "S", "missing", 4, "abcdef"), "abc");
    EXPECT_EQ(Lookup(path, "S", "missing", 10, nullptr), "");

    std::array<char, 4> buffer{'a', 'b', 'c', 'd'};
    EXPECT_EQ(GetPrivateProfileStringA("S", "long", "", buffer.data(), 0, path.c_str()), 0u);
    EXPECT_EQ(buffer[0], 'a');
    EXPECT_EQ(GetPrivateProfileStringA("S", "long", "", nullptr, 100, path.c_str()), 0u);
}

TEST(ProfileFile, MissingPiecesGiveTheDefault) {
    TempDir dir;
    const std::string path = dir.Write("m.str", "[S]\nk=v\n=nameless\n");
    EXPECT_EQ(Lookup(dir.Path() / "absent.str", "S", "k", 1023, "d"), "d");
    EXPECT_EQ(Lookup(path, "T", "k", 1023, "d"), "d");
    EXPECT_EQ(Lookup(path, "S", "x", 1023, "d"), "d");
    EXPECT_EQ(Lookup(path, "S", "", 1023, "d"), "d");
    EXPECT_EQ(Lookup(path, "", "k", 1023, "d"), "d");
    EXPECT_EQ(Lookup(path, nullptr, "k", 1023, "d"), "d");
    EXPECT_EQ(Lookup(path, "S", nullptr, 1023, "d"), "d");
    EXPECT_EQ(Lookup(dir.Path(), "S", "k", 1023, "d"), "d");
    EXPECT_EQ(Lookup(dir.Write("empty.str", ""), "S", "k", 1023, "d"), "d");
    char buffer[8];
    EXPECT_EQ(GetPrivateProfileStringA("S", "k", "d", buffer, 8, nullptr), 1u);
    EXPECT_STREQ(buffer, "d");
}

TEST(ProfileFile, BareFileNameIsResolvedInTheCurrentDirectory) {
    TempDir dir;
    dir.Write("plain.str", "[S]\nk=here\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const std::string found = Lookup("plain.str", "S", "k");
    std::filesystem::current_path(previous);
    EXPECT_EQ(found, "here");
}

TEST(ProfileFile, BadFilesStillGiveAnswers) {
    TempDir dir;
    std::string binary;
    for (int round = 0; round < 64; ++round) {
        for (int byte = 0; byte < 256; ++byte) {
            binary.push_back(static_cast<char>(byte));
        }
    }
    EXPECT_EQ(Lookup(dir.Write("bin.str", binary + "\n[S]\nk=v\n"), "S", "k"), "v");
    EXPECT_EQ(Lookup(dir.Write("junk.str", binary), "S", "k", 1023, "d"), "d");

    const std::string nuls("[S]\nk\0=1\nk=ab\0cd\n", 17);
    EXPECT_EQ(Lookup(dir.Write("nul.str", nuls), "S", "k"), "ab");

    const std::string huge(3 * 1024 * 1024, 'y');
    const std::string path =
        dir.Write("huge.str", "[S]\nlong=" + huge + "\njunk" + huge +
                                  "\npad=" + std::string(huge.size(), ' ') + "z\nk=v\n;" + huge);
    EXPECT_EQ(Lookup(path, "S", "long"), std::string(1022, 'y'));
    EXPECT_EQ(Lookup(path, "S", "pad"), "z");
    EXPECT_EQ(Lookup(path, "S", "k"), "v");
    EXPECT_EQ(Lookup(path, "S", "absent", 1023, "d"), "d");

    EXPECT_EQ(Lookup(dir.Write("tail.str", "[S]\nk=last  "), "S", "k"), "last");
    EXPECT_EQ(Lookup(dir.Write("hdr.str", "[S"), "S", "k", 1023, "d"), "d");
}

// A hostile path never blocks or floods the reader: FIFOs and devices are not read, and a
// file over the size limit counts as missing.
TEST(ProfileFile, OnlyRegularFilesWithinTheLimitAreRead) {
    TempDir dir;
    const std::string fifo = (dir.Path() / "fifo.str").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/urandom"),
                                    std::string("/dev/null"), dir.Path().string()}) {
        EXPECT_EQ(Lookup(path, "S", "k", 1023, "d"), "d") << path;
    }

    // Sparse files: the size is what counts, not the bytes.
    const std::string limit = dir.Write("limit.str", "[S]\nk=v\n");
    std::filesystem::resize_file(limit, qvsql::RegularFile::maxBytes);
    EXPECT_EQ(Lookup(limit, "S", "k", 1023, "d"), "v");
    const std::string over = dir.Write("over.str", "[S]\nk=v\n");
    std::filesystem::resize_file(over, qvsql::RegularFile::maxBytes + 1);
    EXPECT_EQ(Lookup(over, "S", "k", 1023, "d"), "d");
    const std::string link = (dir.Path() / "link.str").string();
    std::filesystem::create_symlink(limit, link);
    EXPECT_EQ(Lookup(link, "S", "k", 1023, "d"), "v");
}

// UTF-8 or not is a property of the whole file: one bad byte anywhere makes it legacy, a
// byte-order mark makes it UTF-8 whatever follows.
TEST(ProfileFile, EncodingIsJudgedOnTheWholeFile) {
    TempDir dir;
    const auto utf8 = [&](const std::string& bytes) {
        const auto verdict = qvsql::ProfileFile::JudgeEncoding(dir.Write("e.str", bytes).c_str());
        EXPECT_TRUE(verdict);
        return verdict && verdict->utf8;
    };
    const std::string body(100000, 'a');
    EXPECT_TRUE(utf8(""));
    EXPECT_TRUE(utf8("[S]\nk=\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBD\n"));
    EXPECT_TRUE(utf8("\xEF\xBB\xBF[S]\nk=\xE9\xFF\n"));
    EXPECT_FALSE(utf8("[S]\nk=\xE9t\xE9\n"));
    EXPECT_FALSE(utf8(body + "\xE9"));
    EXPECT_FALSE(utf8(body + "\xE3\x81"));
    EXPECT_FALSE(utf8("\xEF\xBB[S]\n\xC0\xAF"));
    EXPECT_FALSE(utf8("\xED\xA0\x80")); // a surrogate

    const std::string fifo = (dir.Path() / "fifo.str").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(qvsql::ProfileFile::JudgeEncoding(fifo.c_str()));
    EXPECT_FALSE(qvsql::ProfileFile::JudgeEncoding(dir.Path().c_str()));
    EXPECT_FALSE(qvsql::ProfileFile::JudgeEncoding(nullptr));
}

} // namespace
