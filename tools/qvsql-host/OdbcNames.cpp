#include "OdbcNames.h"

std::string GroupingFromQuoteChar(const std::string& quoteChar, const std::string& dbmsName) {
    if (dbmsName == "SQLite" || quoteChar.empty() || quoteChar == " " || quoteChar == "[")
        return "[]";
    if (quoteChar.size() != 1)
        return "[]";
    return quoteChar + quoteChar;
}

std::string EscapePattern(const std::string& name, const std::string& escape) {
    if (escape.size() != 1)
        return name;
    std::string pattern;
    for (const char c : name) {
        if (c == '_' || c == '%' || c == escape[0])
            pattern += escape[0];
        pattern += c;
    }
    return pattern;
}

std::string ConnectionString(const std::string& given) {
    return given.find('=') == std::string::npos ? "DSN=" + given : given;
}
