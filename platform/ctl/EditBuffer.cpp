#include "platform/ctl/EditBuffer.h"

#include <algorithm>

namespace ctl {

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where a cut of at most n bytes of s may end without splitting a character.
std::size_t FitChars(std::string_view s, std::size_t n) {
    if (n >= s.size()) {
        return s.size();
    }
    while (n > 0 && IsContinuation(s[n])) {
        --n;
    }
    return n;
}

} // namespace

std::size_t EditBuffer::CharStart(std::size_t pos) const {
    pos = std::min(pos, text.size());
    // A start byte is at most three bytes back; stray continuation bytes stand alone.
    for (std::size_t back = 0; back < 4 && pos >= back; ++back) {
        const std::size_t at = pos - back;
        if (at < text.size() && !IsContinuation(text[at])) {
            return NextChar(at) > pos ? at : pos;
        }
        if (at == 0) {
            break;
        }
    }
    return pos;
}

std::size_t EditBuffer::NextChar(std::size_t pos) const {
    if (pos >= text.size()) {
        return text.size();
    }
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t next = pos + 1;
    while (next < text.size() && next < pos + len && IsContinuation(text[next])) {
        ++next;
    }
    return next;
}

std::size_t EditBuffer::PrevChar(std::size_t pos) const {
    if (pos == 0) {
        return 0;
    }
    return CharStart(std::min(pos, text.size()) - 1);
}

void EditBuffer::SetText(std::string_view value) {
    text.assign(value);
    anchor = caret = 0;
    ForgetUndo();
}

void EditBuffer::Select(std::size_t from, std::size_t to) {
    anchor = CharStart(from);
    caret = CharStart(to);
    typingRun = false;
}

void EditBuffer::MoveCaret(std::size_t to, bool extend) {
    caret = CharStart(to);
    if (!extend) {
        anchor = caret;
    }
    typingRun = false;
}

void EditBuffer::Remember(bool typing) {
    if (!(typing && typingRun)) {
        undoText = text;
        undoAnchor = anchor;
        undoCaret = caret;
        undoable = true;
    }
    typingRun = typing;
}

bool EditBuffer::ReplaceSelection(std::string_view with, bool typing, bool* truncated) {
    const std::size_t from = SelStart();
    const std::size_t removed = SelEnd() - from;
    const std::size_t room =
        limit == Unlimited ? with.size() : limit - std::min(limit, text.size() - removed);
    const std::size_t keep = FitChars(with, room);
    if (truncated) {
        *truncated = keep < with.size();
    }
    if (removed == 0 && keep == 0) {
        return false;
    }
    Remember(typing && removed == 0);
    text.replace(from, removed, with.substr(0, keep));
    anchor = caret = from + keep;
    return true;
}

bool EditBuffer::DeleteBackward() {
    if (!HasSelection()) {
        anchor = PrevChar(caret);
    }
    return ReplaceSelection({}, false);
}

bool EditBuffer::DeleteForward() {
    if (!HasSelection()) {
        anchor = NextChar(caret);
    }
    return ReplaceSelection({}, false);
}

bool EditBuffer::Undo() {
    if (!undoable) {
        return false;
    }
    std::swap(text, undoText);
    std::swap(anchor, undoAnchor);
    std::swap(caret, undoCaret);
    typingRun = false;
    return true;
}

void EditBuffer::ForgetUndo() {
    undoText.clear();
    undoable = false;
    typingRun = false;
}

bool EditBuffer::IsBlank(std::size_t pos) const {
    const char c = text[pos];
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t EditBuffer::NextWord(std::size_t pos) const {
    pos = CharStart(pos);
    while (pos < text.size() && !IsBlank(pos)) {
        pos = NextChar(pos);
    }
    while (pos < text.size() && IsBlank(pos)) {
        pos = NextChar(pos);
    }
    return pos;
}

std::size_t EditBuffer::PrevWord(std::size_t pos) const {
    pos = CharStart(pos);
    while (pos > 0 && IsBlank(PrevChar(pos))) {
        pos = PrevChar(pos);
    }
    while (pos > 0 && !IsBlank(PrevChar(pos))) {
        pos = PrevChar(pos);
    }
    return pos;
}

void EditBuffer::WordAt(std::size_t pos, std::size_t* from, std::size_t* to) const {
    pos = CharStart(pos);
    if (pos == text.size() && pos > 0) {
        pos = PrevChar(pos);
    }
    std::size_t a = pos;
    std::size_t b = pos;
    if (pos < text.size()) {
        const bool blank = IsBlank(pos);
        while (a > 0 && IsBlank(PrevChar(a)) == blank) {
            a = PrevChar(a);
        }
        while (b < text.size() && IsBlank(b) == blank) {
            b = NextChar(b);
        }
    }
    *from = a;
    *to = b;
}

} // namespace ctl
