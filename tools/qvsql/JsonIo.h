#pragma once
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

namespace qvsql::cli {

// Keys keep the order in which they are written.
using Json = nlohmann::ordered_json;

// One JSON object per run: read from a stream, written as one line.
class JsonIo {
  public:
    static std::string ReadAll(std::istream& in);
    // Throws an input error unless the text is one JSON object.
    static Json ParseObject(const std::string& text);
    static void Write(std::ostream& out, const Json& value);
    // Invalid UTF-8 bytes become U+FFFD, so strings from any source can be parsed.
    static std::string RepairUtf8(const std::string& text);
};

} // namespace qvsql::cli
