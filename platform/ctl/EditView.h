#pragma once
// What an edit control shows: its lines laid out in the window's font, the part scrolled into
// view, the selection and the caret. It paints and answers which position lies under a point.
#include "platform/ctl/EditBuffer.h"
#include "platform/ctl/EditLayout.h"
#include "platform/win/WinUser.h"

#include <map>

namespace ctl {

class EditView {
  public:
    explicit EditView(HWND window) : hwnd(window) {}

    void SetFont(HFONT value);
    HFONT Font() const { return font; }

    // Measures and breaks the text again; call after every change of text, size or style.
    void Relayout(const EditBuffer& buffer);
    void ScrollToCaret(const EditBuffer& buffer);
    // Moves the first visible line; false when it could not move.
    bool ScrollLines(int delta);

    std::size_t HitTest(POINT client) const;
    // The caret's rectangle in client coordinates.
    RECT CaretRect(const EditBuffer& buffer) const;
    void Paint(HDC dc, const EditBuffer& buffer, bool showSelection, bool showCaret);
    // Invalidates what Paint would now draw differently from when this was last called: the
    // rows whose text or selection changed and the caret's old and new places; everything
    // when the geometry or scroll changed, or when all is set (colours, enabling).
    void Invalidate(const EditBuffer& buffer, bool showSelection, bool showCaret, bool all);

    const EditLayout& Layout() const { return layout; }
    std::size_t FirstLine() const { return firstLine; }
    int VisibleLines() const;
    // Whether the longest line fits the width (single-line edits without ES_AUTOHSCROLL).
    bool FitsWidth() const;

  private:
    // What one row of the view shows.
    struct Row {
        std::string text;
        std::size_t selFrom = 0; // within the row, equal when nothing is selected there
        std::size_t selTo = 0;
        bool operator==(const Row&) const = default;
    };
    struct Shown {
        std::vector<Row> rows;
        RECT textRect{};
        int lineHeight = 0;
        int xOffset = 0;
        RECT caret{}; // empty while hidden
        bool SameGeometry(const Shown& other) const;
    };
    Shown Snapshot(const EditBuffer& buffer, bool showSelection, bool showCaret) const;
    void InvalidateRows(const Shown& next) const;

    RECT TextRect() const;
    bool Multiline() const;
    bool Wraps() const;
    int LineHeight() const { return lineHeight; }
    std::vector<int> Measure(const std::string& text);
    void DrawLine(HDC dc, std::size_t line, int y, std::size_t selFrom, std::size_t selTo,
                  COLORREF textColour);
    void DrawRun(HDC dc, int x, int y, std::size_t from, std::size_t to);

    HWND hwnd;
    HFONT font = nullptr;
    bool measured = false;
    int lineHeight = 13;
    std::map<char32_t, int> widths; // per character, for the current font
    EditLayout layout;
    std::size_t firstLine = 0;
    int xOffset = 0;
    Shown shown;
    bool shownKnown = false;
};

} // namespace ctl
