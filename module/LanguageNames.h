#pragma once
// The interface languages, indexed by the host's language number: the base name of each
// string file, and the code page (as iconv names it) of a string file in that language
// that is not UTF-8, the encoding hosts ported from the original platform bring. These are
// that platform's ANSI code pages; the Chinese, Japanese and Korean ones are the double-byte
// supersets of GB2312, Big5, Shift_JIS and EUC-KR that it uses.
#include <array>
#include <string_view>

namespace qvsql {

struct Language {
    std::string_view name;
    const char* codePage;
};

// clang-format off
inline constexpr std::array<Language, 23> languages = {{
    {"english", "CP1252"},    // Western European
    {"french", "CP1252"},
    {"spanish", "CP1252"},
    {"italian", "CP1252"},
    {"german", "CP1252"},
    {"chngb", "GBK"},         // Simplified Chinese: Windows 936, a superset of GB2312
    {"chnbg5", "BIG5"},       // Traditional Chinese: Windows 950
    {"jpnjis", "CP932"},      // Japanese: Shift_JIS with the Windows extensions
    {"korean", "CP949"},      // Korean: Unified Hangul Code, a superset of EUC-KR
    {"dutch", "CP1252"},
    {"portugus", "CP1252"},
    {"swedish", "CP1252"},
    {"brazil", "CP1252"},
    {"shiftjis", "CP932"},    // Japanese as well
    {"hebrew", "CP1255"},
    {"russian", "CP1251"},    // Cyrillic
    {"turkish", "CP1254"},
    {"danish", "CP1252"},
    {"polish", "CP1250"},     // Central European
    {"vietnamese", "CP1258"},
    {"thai", "CP874"},
    {"indonesian", "CP1252"}, // the original platform's choice for Indonesian
    {"other", "CP1252"},      // unknown: the most common code page of the original platform
}};
// clang-format on

// The base names alone, in the same order.
inline constexpr std::array<std::string_view, languages.size()> languageNames = [] {
    std::array<std::string_view, languages.size()> names{};
    for (std::size_t i = 0; i < languages.size(); ++i) {
        names[i] = languages[i].name;
    }
    return names;
}();

} // namespace qvsql
