#include "platform/backend/SelectionText.h"

#include "platform/sys/Utf8.h"

namespace backend {

namespace {

constexpr char32_t LastLatin1 = 0xFF;

} // namespace

void SelectionText::Append(std::string& out, char32_t c) {
    auto byte = [&out](char32_t b) { out.push_back(static_cast<char>(b & 0xFF)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

void SelectionText::AppendLineEnd(std::string& out, char32_t previous) {
    if (previous != '\r') {
        out.push_back('\r');
    }
    out.push_back('\n');
}

std::string SelectionText::ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string SelectionText::ToLatin1(std::string_view text) {
    const std::string lines = ToUtf8(text);
    std::string out;
    out.reserve(lines.size());
    for (std::size_t pos = 0; pos < lines.size();) {
        const char32_t c = gfx::DecodeUtf8(lines, pos);
        out.push_back(c <= LastLatin1 ? static_cast<char>(c) : '?');
    }
    return out;
}

bool SelectionText::FitsLatin1(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (gfx::DecodeUtf8(text, pos) > LastLatin1) {
            return false;
        }
    }
    return true;
}

std::string SelectionText::FromUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    char32_t previous = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const char32_t c = gfx::DecodeUtf8(bytes, pos);
        if (c == '\n') {
            AppendLineEnd(out, previous);
        } else if (c != 0) {
            Append(out, c);
        }
        previous = c;
    }
    return out;
}

std::string SelectionText::FromLatin1(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    char32_t previous = 0;
    for (char b : bytes) {
        const auto c = static_cast<char32_t>(static_cast<unsigned char>(b));
        if (c == '\n') {
            AppendLineEnd(out, previous);
        } else if (c != 0) {
            Append(out, c);
        }
        previous = c;
    }
    return out;
}

} // namespace backend
