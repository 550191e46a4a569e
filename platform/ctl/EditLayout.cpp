#include "platform/ctl/EditLayout.h"

#include <algorithm>

namespace ctl {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::size_t EditLayout::NextChar(std::size_t pos) const {
    ++pos;
    while (pos < advances.size() && advances[pos] == 0 &&
           (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) {
        ++pos;
    }
    return pos;
}

int EditLayout::Width(std::size_t from, std::size_t to) const {
    int w = 0;
    for (std::size_t i = from; i < to && i < advances.size(); ++i) {
        w += advances[i];
    }
    return w;
}

void EditLayout::Build(std::string_view value, std::vector<int> widths, int wrapWidth) {
    text = value;
    advances = std::move(widths);
    advances.resize(text.size(), 0);
    lines.clear();
    std::size_t start = 0;
    while (true) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        BreakParagraph(start, end, wrapWidth);
        if (end >= text.size()) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
}

void EditLayout::BreakParagraph(std::size_t start, std::size_t end, int wrapWidth) {
    // Each pass scans one line's worth of characters, so long texts stay linear.
    while (wrapWidth > 0) {
        std::size_t fit = start;
        std::size_t breakAt = 0;
        bool overflow = false;
        int w = 0;
        for (std::size_t p = start; p < end; p = NextChar(p)) {
            if (!IsBlank(text[p]) && w + advances[p] > wrapWidth) {
                overflow = true;
                break;
            }
            w += advances[p];
            fit = NextChar(p);
            if (IsBlank(text[p]) && (fit >= end || !IsBlank(text[fit]))) {
                breakAt = fit; // blanks hang at the end of the line they follow
            }
        }
        const std::size_t cut = breakAt > start ? breakAt : std::max(fit, NextChar(start));
        if (!overflow || cut >= end) {
            break;
        }
        lines.push_back({start, cut, true});
        start = cut;
    }
    lines.push_back({start, end, false});
}

std::size_t EditLayout::LineOf(std::size_t pos) const {
    auto it = std::upper_bound(lines.begin(), lines.end(), pos,
                               [](std::size_t p, const Line& l) { return p < l.start; });
    return it == lines.begin() ? 0 : static_cast<std::size_t>(it - lines.begin()) - 1;
}

int EditLayout::X(std::size_t pos) const {
    if (lines.empty()) {
        return 0;
    }
    const Line& line = lines[LineOf(pos)];
    return Width(line.start, std::min(pos, line.end));
}

std::size_t EditLayout::LineEnd(std::size_t line) const {
    if (line >= lines.size()) {
        return text.size();
    }
    const Line& l = lines[line];
    if (!l.soft) {
        return l.end;
    }
    // Before the last character, so that the caret stays on this line.
    std::size_t last = l.start;
    for (std::size_t p = l.start; p < l.end; p = NextChar(p)) {
        last = p;
    }
    return last;
}

std::size_t EditLayout::PosAt(std::size_t line, int x) const {
    if (line >= lines.size()) {
        return text.size();
    }
    const Line& l = lines[line];
    const std::size_t limit = LineEnd(line);
    int w = 0;
    for (std::size_t p = l.start; p < limit; p = NextChar(p)) {
        if (x < w + (advances[p] + 1) / 2) {
            return p;
        }
        w += advances[p];
    }
    return limit;
}

int EditLayout::WidestLine() const {
    int widest = 0;
    for (const Line& l : lines) {
        widest = std::max(widest, Width(l.start, l.end));
    }
    return widest;
}

} // namespace ctl
