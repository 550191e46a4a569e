#pragma once
// Lines of a DrawTextA call: prefix characters, line breaks, word wrapping and end ellipsis.
#include "platform/base/GdiTypes.h"
#include "platform/gfx/TextPainter.h"

#include <string>
#include <string_view>
#include <vector>

namespace gfx {

struct TextLine {
    std::string text;
    std::vector<bool> underline; // per byte of text
    int width = 0;
};

class TextLayout {
  public:
    TextLayout(const TextPainter& painter, std::string_view text, UINT format, int width);

    const std::vector<TextLine>& Lines() const { return lines; }
    int MaxWidth() const;

  private:
    void AddParagraph(TextLine paragraph);
    void AddLine(TextLine line);
    TextLine Slice(const TextLine& from, std::size_t begin, std::size_t end) const;

    const TextPainter& painter;
    UINT format;
    int width;
    std::vector<TextLine> lines;
};

} // namespace gfx
