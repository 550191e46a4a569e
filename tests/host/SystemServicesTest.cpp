#include "platform/sys/KernelStrings.h"
#include "platform/sys/ModulePath.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

namespace {

TEST(KernelStrings, CopyStopsOneShortOfTheLimitAndTerminates) {
    std::array<char, 8> buffer{};
    buffer.fill('#');
    EXPECT_EQ(lstrcpynA(buffer.data(), "abcdefghij", 5), buffer.data());
    EXPECT_STREQ(buffer.data(), "abcd");
    EXPECT_EQ(buffer[5], '#');

    buffer.fill('#');
    lstrcpynA(buffer.data(), "ab", 8);
    EXPECT_STREQ(buffer.data(), "ab");
    EXPECT_EQ(buffer[3], '#');

    buffer.fill('#');
    lstrcpynA(buffer.data(), "abc", 1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '#');

    buffer.fill('#');
    EXPECT_EQ(lstrcpynA(buffer.data(), "abc", 0), buffer.data());
    EXPECT_EQ(lstrcpynA(buffer.data(), "abc", -3), buffer.data());
    EXPECT_EQ(buffer[0], '#');
    lstrcpynA(buffer.data(), nullptr, 8);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(lstrcpynA(nullptr, "abc", 8), nullptr);

    // A source without a terminator inside the limit is never read past it.
    const std::array<char, 3> unterminated{'x', 'y', 'z'};
    buffer.fill('#');
    lstrcpynA(buffer.data(), unterminated.data(), 4);
    EXPECT_STREQ(buffer.data(), "xyz");
}

TEST(KernelStrings, CompareFoldsAsciiLettersOnly) {
    EXPECT_EQ(lstrcmpiA("Select", "SELECT"), 0);
    EXPECT_LT(lstrcmpiA("abc", "ABD"), 0);
    EXPECT_GT(lstrcmpiA("abcd", "ABC"), 0);
    EXPECT_LT(lstrcmpiA("", "a"), 0);
    EXPECT_NE(lstrcmpiA("\xC3\xA9", "\xC3\x89"), 0); // é and É are different bytes
    EXPECT_EQ(lstrcmpiA("\xC3\xA9t\xC3\xA9", "\xC3\xA9T\xC3\xA9"), 0);
    EXPECT_EQ(lstrcmpiA(nullptr, nullptr), 0);
    EXPECT_LT(lstrcmpiA(nullptr, ""), 0);
    EXPECT_GT(lstrcmpiA("", nullptr), 0);
}

TEST(ModulePath, NullModuleIsThisExecutableCutLikeWindows) {
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    std::array<char, 4096> buffer{};
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer.data(), 4096), exe.size());
    EXPECT_EQ(std::string(buffer.data()), exe);

    buffer.fill('#');
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer.data(), 5), 5u);
    EXPECT_EQ(std::string(buffer.data()), exe.substr(0, 4));
    EXPECT_EQ(buffer[5], '#');

    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer.data(), 0), 0u);
    EXPECT_EQ(buffer[0], exe[0]);
    EXPECT_EQ(GetModuleFileNameA(nullptr, nullptr, 100), 0u);

    int notAModule = 0;
    buffer.fill('#');
    EXPECT_EQ(GetModuleFileNameA(reinterpret_cast<HMODULE>(&notAModule), buffer.data(), 100), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

} // namespace
