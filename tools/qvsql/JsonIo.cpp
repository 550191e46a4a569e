#include "tools/qvsql/JsonIo.h"

#include "tools/qvsql/CliError.h"

#include <istream>
#include <iterator>
#include <ostream>

namespace qvsql::cli {
namespace {

constexpr const char* replacementChar = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at text[i], or 0 when there is none.
std::size_t SequenceLength(const std::string& text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length > text.size()) {
        return 0;
    }
    const auto second = static_cast<unsigned char>(text[i + 1]);
    // Overlong forms, surrogates and code points above U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string JsonIo::ReadAll(std::istream& in) {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string JsonIo::RepairUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            out += replacementChar;
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

Json JsonIo::ParseObject(const std::string& text) {
    Json value = Json::parse(RepairUtf8(text), nullptr, false);
    if (value.is_discarded()) {
        throw InputError("bad JSON: the input is not valid JSON");
    }
    if (!value.is_object()) {
        throw InputError("bad JSON: the input must be one JSON object");
    }
    return value;
}

void JsonIo::Write(std::ostream& out, const Json& value) {
    out << value.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

} // namespace qvsql::cli
