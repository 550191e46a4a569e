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

    const EditLayout& Layout() const { return layout; }
    std::size_t FirstLine() const { return firstLine; }
    int VisibleLines() const;
    // Whether the longest line fits the width (single-line edits without ES_AUTOHSCROLL).
    bool FitsWidth() const;

  private:
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
};

} // namespace ctl
