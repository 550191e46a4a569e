#pragma once
// Lines of an edit control's text: hard breaks at CR LF, LF or CR, and with a wrap width soft
// breaks after blanks (a word wider than the line is cut between characters). Positions map
// to lines and pixels through the advance width of each character.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ctl {

class EditLayout {
  public:
    struct Line {
        std::size_t start = 0;
        std::size_t end = 0; // end of the visible text (before any break characters)
        bool soft = false;   // the next line continues the same paragraph
    };

    // advances[i] = width of the character starting at byte i, 0 for continuation bytes.
    // wrapWidth <= 0 means no soft breaks.
    void Build(std::string_view text, std::vector<int> advances, int wrapWidth);

    const std::string& Text() const { return text; }
    const std::vector<Line>& Lines() const { return lines; }
    std::size_t LineOf(std::size_t pos) const;
    // Pixel offset of pos within its line.
    int X(std::size_t pos) const;
    // Nearest position to x on a line; a soft line never answers its end, which belongs to
    // the next line.
    std::size_t PosAt(std::size_t line, int x) const;
    // Where End leaves the caret on a line.
    std::size_t LineEnd(std::size_t line) const;
    int Width(std::size_t from, std::size_t to) const;
    int WidestLine() const;

  private:
    void BreakParagraph(std::size_t start, std::size_t end, int wrapWidth);
    std::size_t NextChar(std::size_t pos) const;

    std::string text;
    std::vector<int> advances;
    std::vector<Line> lines;
};

} // namespace ctl
