#include "platform/gfx/TextLayout.h"

#include <algorithm>

namespace gfx {

namespace {

// "&x" underlines x and "&&" stands for one "&"; a trailing "&" is dropped.
TextLine StripPrefixes(std::string_view text) {
    TextLine line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool underline = false;
        if (text[i] == '&') {
            if (++i == text.size()) {
                break;
            }
            underline = text[i] != '&';
        }
        line.text.push_back(text[i]);
        line.underline.push_back(underline);
    }
    return line;
}

TextLine Plain(std::string_view text) {
    return {std::string(text), std::vector<bool>(text.size(), false), 0};
}

bool IsSpace(char c) {
    return c == ' ';
}

} // namespace

TextLayout::TextLayout(const TextPainter& measurer, std::string_view text, UINT flags, int limit)
    : painter(measurer), format(flags), width(limit) {
    const TextLine all = (format & DT_NOPREFIX) ? Plain(text) : StripPrefixes(text);
    if (format & DT_SINGLELINE) {
        AddLine(all);
        return;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= all.text.size(); ++i) {
        const bool end = i == all.text.size();
        if (!end && all.text[i] != '\n' && all.text[i] != '\r') {
            continue;
        }
        AddParagraph(Slice(all, start, i));
        if (!end && all.text[i] == '\r' && i + 1 < all.text.size() && all.text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
}

TextLine TextLayout::Slice(const TextLine& from, std::size_t begin, std::size_t end) const {
    TextLine line;
    line.text = from.text.substr(begin, end - begin);
    line.underline.assign(from.underline.begin() + static_cast<std::ptrdiff_t>(begin),
                          from.underline.begin() + static_cast<std::ptrdiff_t>(end));
    return line;
}

// Greedy wrapping at blanks; a word wider than the rectangle keeps a line of its own.
void TextLayout::AddParagraph(TextLine paragraph) {
    if (!(format & DT_WORDBREAK)) {
        AddLine(std::move(paragraph));
        return;
    }
    const std::string& t = paragraph.text;
    const int spaceWidth = painter.Measure(" ");
    std::size_t lineStart = 0;
    std::size_t lineEnd = 0;
    int lineWidth = 0;
    std::size_t pos = 0;
    while (pos < t.size()) {
        std::size_t wordStart = pos;
        while (wordStart < t.size() && IsSpace(t[wordStart])) {
            ++wordStart;
        }
        std::size_t wordEnd = wordStart;
        while (wordEnd < t.size() && !IsSpace(t[wordEnd])) {
            ++wordEnd;
        }
        const int gap = static_cast<int>(wordStart - pos) * spaceWidth;
        const int word =
            painter.Measure(std::string_view(t).substr(wordStart, wordEnd - wordStart));
        if (lineEnd > lineStart && lineWidth + gap + word > width) {
            AddLine(Slice(paragraph, lineStart, lineEnd));
            lineStart = wordStart;
            lineWidth = word;
        } else {
            lineWidth += (lineEnd > lineStart ? gap : 0) + word;
            if (lineEnd == lineStart) {
                lineStart = wordStart;
            }
        }
        lineEnd = wordEnd;
        pos = wordEnd;
    }
    AddLine(Slice(paragraph, lineStart, lineEnd));
}

void TextLayout::AddLine(TextLine line) {
    line.width = painter.Measure(line.text);
    if ((format & DT_END_ELLIPSIS) && line.width > width) {
        const std::string dots = "...";
        const int dotsWidth = painter.Measure(dots);
        const std::size_t keep = painter.Fit(line.text, std::max(0, width - dotsWidth));
        line.text.resize(keep);
        line.underline.resize(keep);
        line.text += dots.substr(0, dotsWidth <= width ? 3 : painter.Fit(dots, width));
        line.underline.resize(line.text.size(), false);
        line.width = painter.Measure(line.text);
    }
    lines.push_back(std::move(line));
}

int TextLayout::MaxWidth() const {
    int widest = 0;
    for (const TextLine& line : lines) {
        widest = std::max(widest, line.width);
    }
    return widest;
}

} // namespace gfx
