#include "tests/monkey/MonkeyRandom.h"

#include "sql/ReservedWords.h"

#include <cctype>

namespace monkey {

namespace {

// Characters and fragments that change how a name is quoted, split or read back.
const std::vector<std::string>& Fragments() {
    static const std::vector<std::string> fragments = {
        // punctuation and digits
        " ", "  ", "$", "'", "#", ".", "0", "7", "42", "[", "]", "[]", "\"", "`", "<", ">", "(",
        ")", ",", ", ", "*", "%", "\\", "|", "{'", "'|'", "'}",
        // words of the statement
        " AND ", " OR ", " and ", "SELECT ", " FROM ", "WHERE ", "ORDER BY ", " ASC", " DESC", "=",
        " LIKE ",
        // control bytes, UTF-8, bytes that are no UTF-8, the pseudo name
        "\r\n", "\x01", "\x1f", "\x7f", "\xc3\xa9", "\xe6\x97\xa5\xe6\x9c\xac", "\xf0\x9f\x98\x80",
        "\xce\xa9", "\x80", "\xff", "\xc3", "\xe2\x82", "\xc0\xaf", "\xed\xa0\x80",
        "\xf4\x90\x80\x80", "\xfe\xfe", "{WHEN PRINTED}", "{when printed}", "\xa0", "\xef\xbb\xbf"};
    return fragments;
}

} // namespace

int MonkeyRandom::Below(int n) {
    if (n <= 0) {
        return 0;
    }
    return static_cast<int>(engine() % static_cast<std::uint64_t>(n));
}

std::string MonkeyRandom::RandomCase(std::string text) {
    for (char& c : text) {
        if (Percent(50)) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

std::string MonkeyRandom::WhenPrinted() {
    return Percent(60) ? std::string("{WHEN PRINTED}") : RandomCase("{WHEN PRINTED}");
}

std::string MonkeyRandom::ReservedWord() {
    const auto& words = qvsql::ReservedWords();
    return RandomCase(
        std::string(words[static_cast<std::size_t>(Below(static_cast<int>(words.size())))]));
}

std::string MonkeyRandom::Word() {
    static const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
    std::string word;
    const int length = Between(1, 9);
    for (int i = 0; i < length; ++i) {
        word += letters[static_cast<std::size_t>(Below(static_cast<int>(letters.size())))];
    }
    return word;
}

std::string MonkeyRandom::Piece() {
    const int kind = Below(10);
    if (kind < 4) {
        return Word();
    }
    if (kind < 6) {
        return ReservedWord();
    }
    return Pick(Fragments());
}

std::string MonkeyRandom::Name() {
    const int kind = Below(100);
    if (kind < 3) {
        return "";
    }
    if (kind < 8) {
        return WhenPrinted();
    }
    std::string name;
    const int pieces = Percent(50) ? 1 : Between(2, 5);
    for (int i = 0; i < pieces; ++i) {
        name += Piece();
    }
    if (Percent(2)) { // very long: thousands of characters
        const std::string unit = name.empty() ? "x" : name;
        const std::size_t target = static_cast<std::size_t>(Between(300, 6000));
        while (name.size() < target) {
            name += unit;
        }
    }
    return name;
}

std::string MonkeyRandom::Typed() {
    std::string text;
    const int pieces = Between(1, 3);
    for (int i = 0; i < pieces; ++i) {
        text += Percent(30) ? std::string("'") + Word() + "'" : Piece();
    }
    return text;
}

} // namespace monkey
