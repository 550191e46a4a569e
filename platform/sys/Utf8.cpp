#include "platform/sys/Utf8.h"

namespace gfx {

namespace {

struct Lead {
    int length;
    char32_t bits;
    unsigned char low; // allowed range of the second byte
    unsigned char high;
};

Lead Classify(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) {
        return {2, b & 0x1Fu, 0x80, 0xBF};
    }
    if (b >= 0xE0 && b <= 0xEF) {
        return {3, b & 0x0Fu, static_cast<unsigned char>(b == 0xE0 ? 0xA0 : 0x80),
                static_cast<unsigned char>(b == 0xED ? 0x9F : 0xBF)};
    }
    if (b >= 0xF0 && b <= 0xF4) {
        return {4, b & 0x07u, static_cast<unsigned char>(b == 0xF0 ? 0x90 : 0x80),
                static_cast<unsigned char>(b == 0xF4 ? 0x8F : 0xBF)};
    }
    return {0, 0, 0, 0};
}

} // namespace

char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto first = static_cast<unsigned char>(text[pos++]);
    if (first < 0x80) {
        return first;
    }
    const Lead lead = Classify(first);
    if (lead.length == 0) {
        return ReplacementChar;
    }
    char32_t cp = lead.bits;
    for (int i = 1; i < lead.length; ++i) {
        if (pos >= text.size()) {
            return ReplacementChar;
        }
        const auto b = static_cast<unsigned char>(text[pos]);
        const unsigned char low = i == 1 ? lead.low : 0x80;
        const unsigned char high = i == 1 ? lead.high : 0xBF;
        if (b < low || b > high) {
            return ReplacementChar;
        }
        cp = (cp << 6) | (b & 0x3Fu);
        ++pos;
    }
    return cp;
}

} // namespace gfx
