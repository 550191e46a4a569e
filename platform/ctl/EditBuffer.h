#pragma once
// The text of an edit control with its selection, length limit and one-step undo. Positions
// are byte offsets that always fall on the start of a UTF-8 character.
#include <cstddef>
#include <string>
#include <string_view>

namespace ctl {

class EditBuffer {
  public:
    static constexpr std::size_t Unlimited = static_cast<std::size_t>(-1);

    const std::string& Text() const { return text; }
    std::size_t Size() const { return text.size(); }
    std::size_t Anchor() const { return anchor; }
    std::size_t Caret() const { return caret; }
    std::size_t SelStart() const { return anchor < caret ? anchor : caret; }
    std::size_t SelEnd() const { return anchor < caret ? caret : anchor; }
    bool HasSelection() const { return anchor != caret; }
    std::string Selected() const { return text.substr(SelStart(), SelEnd() - SelStart()); }

    // Replaces everything; no undo, caret at the start.
    void SetText(std::string_view value);
    // Both ends are moved back to character starts and into the text.
    void Select(std::size_t from, std::size_t to);
    // Moves the caret; with extend the anchor stays.
    void MoveCaret(std::size_t to, bool extend);

    // Replaces the selection as far as the limit allows; false when nothing changed.
    // typing joins consecutive characters into one undo step. truncated tells that the
    // limit cut the text.
    bool ReplaceSelection(std::string_view with, bool typing, bool* truncated = nullptr);
    // Removes the selection, or the character before / after the caret.
    bool DeleteBackward();
    bool DeleteForward();

    bool CanUndo() const { return undoable; }
    // Swaps with the state before the last edit, so a second undo redoes.
    bool Undo();
    void ForgetUndo();

    std::size_t Limit() const { return limit; }
    void SetLimit(std::size_t value) { limit = value == 0 ? Unlimited : value; }

    std::size_t NextChar(std::size_t pos) const;
    std::size_t PrevChar(std::size_t pos) const;
    std::size_t CharStart(std::size_t pos) const;
    // Word starts for Ctrl+arrows, and the word (or blank run) round a position.
    std::size_t NextWord(std::size_t pos) const;
    std::size_t PrevWord(std::size_t pos) const;
    void WordAt(std::size_t pos, std::size_t* from, std::size_t* to) const;

  private:
    void Remember(bool typing);
    bool IsBlank(std::size_t pos) const;

    std::string text;
    std::size_t anchor = 0;
    std::size_t caret = 0;
    std::size_t limit = Unlimited;

    std::string undoText;
    std::size_t undoAnchor = 0;
    std::size_t undoCaret = 0;
    bool undoable = false;
    bool typingRun = false;
};

} // namespace ctl
