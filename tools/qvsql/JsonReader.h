#pragma once
#include "tools/qvsql/JsonIo.h"

#include <string>
#include <vector>

namespace qvsql::cli {

// Typed reads of the keys of one JSON object. A missing key gives the default;
// a key of the wrong type is an input error that names the key.
class JsonReader {
  public:
    JsonReader(const Json& json, std::string path);

    std::string String(const char* key, const std::string& fallback = "") const;
    bool Bool(const char* key, bool fallback) const;
    std::vector<std::string> Strings(const char* key) const;
    std::vector<bool> Bools(const char* key) const;
    // The objects of an array key, each wrapped in a reader of its own.
    std::vector<JsonReader> Objects(const char* key) const;
    // The string values of an object key.
    std::vector<std::pair<std::string, std::string>> StringMap(const char* key) const;

  private:
    const Json* Find(const char* key) const;
    const Json& Array(const char* key) const;
    std::string Path(const char* key) const;
    [[noreturn]] void Fail(const std::string& path, const char* expected) const;

    const Json& object;
    std::string where;
};

} // namespace qvsql::cli
