#include "tools/qvsql/JsonReader.h"

#include "tools/qvsql/CliError.h"

namespace qvsql::cli {
namespace {
const Json emptyArray = Json::array();
}

JsonReader::JsonReader(const Json& json, std::string path) : object(json), where(std::move(path)) {}

const Json* JsonReader::Find(const char* key) const {
    auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

std::string JsonReader::Path(const char* key) const {
    return where + key;
}

void JsonReader::Fail(const std::string& path, const char* expected) const {
    throw InputError("bad JSON: \"" + path + "\" must be " + expected);
}

std::string JsonReader::String(const char* key, const std::string& fallback) const {
    const Json* value = Find(key);
    if (value == nullptr) {
        return fallback;
    }
    if (!value->is_string()) {
        Fail(Path(key), "a string");
    }
    return value->get<std::string>();
}

bool JsonReader::Bool(const char* key, bool fallback) const {
    const Json* value = Find(key);
    if (value == nullptr) {
        return fallback;
    }
    if (!value->is_boolean()) {
        Fail(Path(key), "true or false");
    }
    return value->get<bool>();
}

const Json& JsonReader::Array(const char* key) const {
    const Json* value = Find(key);
    if (value == nullptr) {
        return emptyArray;
    }
    if (!value->is_array()) {
        Fail(Path(key), "an array");
    }
    return *value;
}

std::vector<std::string> JsonReader::Strings(const char* key) const {
    std::vector<std::string> out;
    for (const Json& item : Array(key)) {
        if (!item.is_string()) {
            Fail(Path(key), "an array of strings");
        }
        out.push_back(item.get<std::string>());
    }
    return out;
}

std::vector<bool> JsonReader::Bools(const char* key) const {
    std::vector<bool> out;
    for (const Json& item : Array(key)) {
        if (!item.is_boolean()) {
            Fail(Path(key), "an array of true or false");
        }
        out.push_back(item.get<bool>());
    }
    return out;
}

std::vector<JsonReader> JsonReader::Objects(const char* key) const {
    std::vector<JsonReader> out;
    const Json& array = Array(key);
    for (std::size_t i = 0; i < array.size(); ++i) {
        std::string path = Path(key) + "[" + std::to_string(i) + "]";
        if (!array[i].is_object()) {
            Fail(path, "an object");
        }
        out.emplace_back(array[i], path + ".");
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> JsonReader::StringMap(const char* key) const {
    std::vector<std::pair<std::string, std::string>> out;
    const Json* value = Find(key);
    if (value == nullptr) {
        return out;
    }
    if (!value->is_object()) {
        Fail(Path(key), "an object");
    }
    for (const auto& [name, item] : value->items()) {
        if (!item.is_string()) {
            Fail(Path(key) + "." + name, "a string");
        }
        out.emplace_back(name, item.get<std::string>());
    }
    return out;
}

} // namespace qvsql::cli
