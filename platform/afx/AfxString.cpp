#include "platform/afx/AfxString.h"

#include "platform/sys/KernelStrings.h"

#include <algorithm>
#include <climits>

namespace afx {

namespace {

constexpr std::string_view Blanks = " \t\r\n\v\f";

std::size_t Clamp(std::string_view text, int n) {
    return n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), text.size());
}

int ToInt(std::size_t n) {
    return static_cast<int>(std::min<std::size_t>(n, INT_MAX));
}

} // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    return qvsql::CompareNoCaseAscii(a, b);
}

std::string MakeUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

std::string MakeLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), qvsql::FoldAscii);
    return text;
}

std::string TrimLeft(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(Blanks);
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
}

std::string Left(std::string_view text, int count) {
    return std::string(text.substr(0, Clamp(text, count)));
}

std::string Right(std::string_view text, int count) {
    return std::string(text.substr(text.size() - Clamp(text, count)));
}

std::string Mid(std::string_view text, int first, int count) {
    const std::size_t from = Clamp(text, first);
    const std::string_view rest = text.substr(from);
    return std::string(count < 0 ? rest : rest.substr(0, Clamp(rest, count)));
}

int Find(std::string_view text, std::string_view what, int start) {
    if (start < 0 || static_cast<std::size_t>(start) > text.size()) {
        return -1;
    }
    const std::size_t at = text.find(what, static_cast<std::size_t>(start));
    return at == std::string_view::npos ? -1 : ToInt(at);
}

int Replace(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return 0;
    }
    int count = 0;
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
        ++count;
    }
    return count;
}

int Remove(std::string& text, char ch) {
    const std::size_t before = text.size();
    text.erase(std::remove(text.begin(), text.end(), ch), text.end());
    return ToInt(before - text.size());
}

std::string Tokenize(std::string_view text, std::string_view delimiters, int& pos) {
    if (pos < 0 || static_cast<std::size_t>(pos) >= text.size()) {
        pos = -1;
        return {};
    }
    const std::size_t first = text.find_first_not_of(delimiters, static_cast<std::size_t>(pos));
    if (first == std::string_view::npos) {
        pos = -1;
        return {};
    }
    std::size_t end = text.find_first_of(delimiters, first);
    end = end == std::string_view::npos ? text.size() : end;
    pos = ToInt(std::min(end + 1, text.size()));
    return std::string(text.substr(first, end - first));
}

} // namespace afx
