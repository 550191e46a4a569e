#include "automation/ScriptLexer.h"

namespace qvsql {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool Unescape(char c, std::string& out) {
    switch (c) {
    case '"':
    case '\\':
        out += c;
        return true;
    case 't':
        out += '\t';
        return true;
    case 'n':
        out += '\n';
        return true;
    default:
        return false;
    }
}

// Reads the string that starts at line[pos] == '"'; pos ends after the closing quote.
bool ReadString(std::string_view line, std::size_t& pos, std::string& out, std::string& error) {
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c != '\\') {
            out += c;
        } else if (++pos >= line.size() || !Unescape(line[pos], out)) {
            error = pos < line.size() ? std::string("unknown escape \\") + line[pos]
                                      : "unterminated string";
            return false;
        }
    }
    error = "unterminated string";
    return false;
}

} // namespace

bool SplitScriptLine(std::string_view line, std::vector<ScriptToken>& tokens, std::string& error) {
    tokens.clear();
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (IsBlank(line[pos])) {
            ++pos;
            continue;
        }
        if (line[pos] == '#') {
            break;
        }
        ScriptToken token;
        if (line[pos] == '"') {
            token.quoted = true;
            if (!ReadString(line, pos, token.text, error)) {
                return false;
            }
            if (pos < line.size() && !IsBlank(line[pos]) && line[pos] != '#') {
                error = "text right after a closing quote";
                return false;
            }
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != '#' &&
                   line[pos] != '"') {
                ++pos;
            }
            token.text = std::string(line.substr(start, pos - start));
        }
        tokens.push_back(std::move(token));
    }
    return true;
}

} // namespace qvsql
