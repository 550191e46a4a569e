#include "platform/sys/ProfileFile.h"

#include "platform/sys/KernelStrings.h"
#include "platform/sys/RegularFile.h"
#include "platform/sys/Utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace qvsql {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// A CR before the LF counts as a blank, which makes CR LF files read like LF files.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// One field of a line with the blanks at both ends dropped. Only the first cap bytes are
// kept: a longer field is known by its length alone, which is all a comparison needs.
class TrimmedField {
  public:
    explicit TrimmedField(std::size_t cap = 0) : cap_(cap) {}

    void Add(char c) {
        if (count_ == 0 && IsBlank(c)) {
            return;
        }
        if (head_.size() < cap_) {
            head_.push_back(c);
        }
        ++count_;
        if (!IsBlank(c)) {
            trimmed_ = count_;
            last_ = c;
        }
    }
    std::size_t Length() const { return trimmed_; }
    std::string_view Head() const { return std::string_view(head_).substr(0, trimmed_); }
    char Last() const { return last_; }
    bool EqualsNoCase(std::string_view text) const {
        return trimmed_ == text.size() && CompareNoCaseAscii(Head(), text) == 0;
    }

  private:
    std::string head_;
    std::size_t cap_;
    std::size_t count_ = 0;
    std::size_t trimmed_ = 0;
    char last_ = '\0';
};

// Drops one pair of matching quotes, then cuts to maxBytes and at an embedded NUL.
std::string ValueText(const TrimmedField& field, std::size_t maxBytes) {
    std::string_view text = field.Head();
    std::size_t length = field.Length();
    if (length >= 2 && (text[0] == '"' || text[0] == '\'') && field.Last() == text[0]) {
        text.remove_prefix(1);
        length -= 2;
    }
    text = text.substr(0, std::min(length, maxBytes));
    return std::string(text.substr(0, text.find('\0')));
}

// Reads the file byte by byte, remembering only the field of the current line.
class ProfileScanner {
  public:
    ProfileScanner(std::string_view section, std::string_view key, std::size_t maxBytes)
        : section_(section), key_(key), maxBytes_(maxBytes) {}

    // True once the value is known and the rest of the file does not matter.
    bool Feed(std::string_view bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (state_ == State::Skip) {
                i = bytes.find('\n', i);
                if (i == std::string_view::npos) {
                    return false;
                }
            }
            if (bytes[i] != '\n') {
                Take(bytes[i]);
            } else if (EndLine()) {
                return true;
            }
        }
        return false;
    }
    void Finish() { EndLine(); }
    const std::optional<std::string>& Result() const { return value_; }

  private:
    enum class State { LineStart, Skip, Section, SectionEnd, Key, Value };

    void Take(char c) {
        switch (state_) {
        case State::LineStart:
            StartLine(c);
            break;
        case State::Section:
            if (c == ']') {
                state_ = State::SectionEnd;
            } else {
                field_.Add(c);
            }
            break;
        case State::Key:
            if (c == '=') {
                StartValue();
            } else {
                field_.Add(c);
            }
            break;
        case State::Value:
            field_.Add(c);
            break;
        case State::Skip:
        case State::SectionEnd:
            break;
        }
    }

    void StartLine(char c) {
        if (IsBlank(c)) {
            return;
        }
        if (c == ';' || (c != '[' && !inSection_)) {
            state_ = State::Skip;
        } else if (c == '[') {
            state_ = State::Section;
            field_ = TrimmedField(section_.size() + 1);
        } else {
            state_ = State::Key;
            field_ = TrimmedField(key_.size() + 1);
            Take(c);
        }
    }

    void StartValue() {
        if (!field_.EqualsNoCase(key_)) {
            state_ = State::Skip;
            return;
        }
        state_ = State::Value;
        constexpr std::size_t unlimited = std::numeric_limits<std::size_t>::max();
        field_ = TrimmedField(maxBytes_ > unlimited - 2 ? unlimited : maxBytes_ + 2);
    }

    // A header without ']' is no header: the section stays as it was.
    bool EndLine() {
        if (state_ == State::SectionEnd) {
            inSection_ = field_.EqualsNoCase(section_);
        } else if (state_ == State::Value) {
            value_ = ValueText(field_, maxBytes_);
        }
        state_ = State::LineStart;
        return value_.has_value();
    }

    std::string_view section_;
    std::string_view key_;
    std::size_t maxBytes_;
    State state_ = State::LineStart;
    bool inSection_ = false;
    TrimmedField field_;
    std::optional<std::string> value_;
};

// A decoded U+FFFD is valid only where the text spells it out.
bool IsValidUtf8(std::string_view text) {
    constexpr std::string_view replacement = "\xEF\xBF\xBD";
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        if (gfx::DecodeUtf8(text, pos) == gfx::ReplacementChar &&
            text.substr(start, pos - start) != replacement) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<ProfileFile::Encoding> ProfileFile::JudgeEncoding(const char* path) {
    std::optional<RegularFile> file = RegularFile::Open(path);
    if (!file) {
        return std::nullopt;
    }
    const std::string bytes = file->ReadToEnd();
    return Encoding{bytes.starts_with(byteOrderMark) || IsValidUtf8(bytes), file->Stamp()};
}

std::optional<std::string> ProfileFile::Find(const char* path, std::string_view section,
                                             std::string_view key, std::size_t maxBytes) {
    if (path == nullptr || section.empty() || key.empty()) {
        return std::nullopt;
    }
    std::optional<RegularFile> file = RegularFile::Open(path);
    if (!file) {
        return std::nullopt;
    }
    ProfileScanner scanner(section, key, maxBytes);
    std::array<char, 16384> chunk{};
    bool atStart = true;
    while (const std::size_t got = file->Read(chunk.data(), chunk.size())) {
        std::string_view bytes(chunk.data(), got);
        if (atStart && bytes.starts_with(byteOrderMark)) {
            bytes.remove_prefix(byteOrderMark.size());
        }
        atStart = false;
        if (scanner.Feed(bytes)) {
            return scanner.Result();
        }
    }
    scanner.Finish();
    return scanner.Result();
}

} // namespace qvsql

namespace {

std::string_view Prefix(LPCSTR text, std::size_t limit) {
    return text == nullptr ? std::string_view() : std::string_view(text, strnlen(text, limit));
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR path) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const std::size_t limit = size - 1;
    std::optional<std::string> value;
    if (section != nullptr && key != nullptr) {
        value = qvsql::ProfileFile::Find(path, section, key, limit);
    }
    const std::string_view text = value ? std::string_view(*value) : Prefix(defaultValue, limit);
    const std::size_t copied = std::min(text.size(), limit);
    std::copy_n(text.data(), copied, buffer);
    buffer[copied] = '\0';
    return static_cast<DWORD>(copied);
}
