#include "automation/ScriptParser.h"

#include "automation/ScriptLexer.h"
#include "platform/base/WinMessages.h"

#include <array>
#include <charconv>

namespace qvsql {

namespace {

// Argument kinds: n integer, u integer >= 0, b 0 or 1, s string, k key name, c optional count,
// p path (word or string), x coordinate, w milliseconds. Counts, coordinates and waits are
// bounded so that no script can hold a host for long or overflow a position.
struct VerbForm {
    std::string_view name;
    ScriptVerb verb;
    std::string_view args;
};

constexpr std::array<VerbForm, 21> Forms = {{
    {"click", ScriptVerb::Click, "n"},
    {"dblclick", ScriptVerb::DblClick, "n"},
    {"check", ScriptVerb::Check, "nu"},
    {"item", ScriptVerb::Item, "nu"},
    {"choose", ScriptVerb::Choose, "ns"},
    {"cell", ScriptVerb::Cell, "nuu"},
    {"dblcell", ScriptVerb::DblCell, "nuu"},
    {"pick", ScriptVerb::Pick, "s"},
    {"key", ScriptVerb::Key, "kc"},
    {"type", ScriptVerb::Type, "s"},
    {"move", ScriptVerb::Move, "xx"},
    {"down", ScriptVerb::Down, "xx"},
    {"up", ScriptVerb::Up, "xx"},
    {"wait", ScriptVerb::Wait, "w"},
    {"expect preview", ScriptVerb::ExpectPreview, "s"},
    {"expect text", ScriptVerb::ExpectText, "ns"},
    {"expect cell", ScriptVerb::ExpectCell, "nuus"},
    {"expect checked", ScriptVerb::ExpectChecked, "nub"},
    {"expect message", ScriptVerb::ExpectMessage, "s"},
    {"expect title", ScriptVerb::ExpectTitle, "s"},
    {"screenshot", ScriptVerb::Screenshot, "p"},
}};

struct NamedKey {
    std::string_view name;
    unsigned vk;
};

constexpr std::array<NamedKey, 15> Keys = {{
    {"RETURN", VK_RETURN},
    {"ESCAPE", VK_ESCAPE},
    {"TAB", VK_TAB},
    {"UP", VK_UP},
    {"DOWN", VK_DOWN},
    {"LEFT", VK_LEFT},
    {"RIGHT", VK_RIGHT},
    {"PRIOR", VK_PRIOR},
    {"NEXT", VK_NEXT},
    {"HOME", VK_HOME},
    {"END", VK_END},
    {"F2", VK_F2},
    {"BACK", VK_BACK},
    {"DELETE", VK_DELETE},
    {"SPACE", VK_SPACE},
}};

constexpr std::string_view ShiftPrefix = "SHIFT+";

struct Bounds {
    char kind;
    int low;
    int high;
};

constexpr std::array<Bounds, 4> Limits = {{
    {'u', 0, MaxScriptIndex},
    {'c', 0, MaxScriptCount},
    {'x', -MaxScriptCoordinate, MaxScriptCoordinate},
    {'w', 0, MaxScriptWaitMs},
}};

// "" when value suits the kind, else what was expected.
std::string CheckBounds(char kind, int value, const std::string& text) {
    if (kind == 'b' && value != 0 && value != 1) {
        return "expected 0 or 1, found " + text;
    }
    for (const Bounds& b : Limits) {
        if (b.kind == kind && (value < b.low || value > b.high)) {
            return "expected a number from " + std::to_string(b.low) + " to " +
                   std::to_string(b.high) + ", found " + text;
        }
    }
    return "";
}

bool ReadInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end && !text.empty();
}

const VerbForm* FindForm(const std::vector<ScriptToken>& tokens, std::size_t& used) {
    for (const VerbForm& form : Forms) {
        const bool two = form.name.find(' ') != std::string_view::npos;
        const std::string name = two && tokens.size() > 1 && !tokens[1].quoted
                                     ? tokens[0].text + " " + tokens[1].text
                                     : tokens[0].text;
        if (!tokens[0].quoted && name == form.name) {
            used = two ? 2 : 1;
            return &form;
        }
    }
    return nullptr;
}

// Reads one argument of the given kind into the command; an error message, or "".
std::string ReadArg(char kind, const ScriptToken& token, ScriptCommand& command) {
    if (kind == 's' || kind == 'p') {
        if (kind == 's' && !token.quoted) {
            return "expected a quoted string, found " + token.text;
        }
        command.text = token.text;
        return "";
    }
    if (kind == 'k') {
        const bool shift = !token.quoted && token.text.rfind(ShiftPrefix, 0) == 0;
        const unsigned vk =
            token.quoted
                ? 0
                : KeyCodeOf(std::string_view(token.text).substr(shift ? ShiftPrefix.size() : 0));
        if (vk == 0 || (shift && vk != VK_TAB)) {
            return "unknown key " + token.text;
        }
        command.numbers.push_back(static_cast<int>(vk));
        command.numbers.push_back(shift ? 1 : 0);
        return "";
    }
    int value = 0;
    if (token.quoted || !ReadInt(token.text, value)) {
        return "expected a number, found " + token.text;
    }
    if (std::string problem = CheckBounds(kind, value, token.text); !problem.empty()) {
        return problem;
    }
    command.numbers.push_back(value);
    return "";
}

std::string ReadArgs(const VerbForm& form, const std::vector<ScriptToken>& tokens, std::size_t next,
                     ScriptCommand& command) {
    for (char kind : form.args) {
        if (next >= tokens.size()) {
            if (kind == 'c') {
                command.numbers.push_back(1);
                continue;
            }
            return std::string(form.name) + ": missing argument";
        }
        if (std::string problem = ReadArg(kind, tokens[next++], command); !problem.empty()) {
            return std::string(form.name) + ": " + problem;
        }
    }
    return next < tokens.size() ? std::string(form.name) + ": too many arguments" : "";
}

std::string ParseLine(const std::vector<ScriptToken>& tokens, ScriptCommand& command) {
    std::size_t used = 0;
    const VerbForm* form = FindForm(tokens, used);
    if (!form) {
        return "unknown verb " + tokens[0].text;
    }
    command.verb = form->verb;
    return ReadArgs(*form, tokens, used, command);
}

} // namespace

unsigned KeyCodeOf(std::string_view name) {
    if (name.size() == 1) {
        const char c = name[0];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            return static_cast<unsigned char>(c);
        }
        if (c >= 'a' && c <= 'z') {
            return static_cast<unsigned>(c - 'a' + 'A');
        }
    }
    for (const NamedKey& key : Keys) {
        if (key.name == name) {
            return key.vk;
        }
    }
    return 0;
}

ParsedScript ParseScript(std::string_view source) {
    ParsedScript parsed;
    std::vector<ScriptToken> tokens;
    int line = 0;
    while (!source.empty() || line == 0) {
        const std::size_t end = source.find('\n');
        const std::string_view text = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view{} : source.substr(end + 1);
        ++line;
        ScriptCommand command;
        command.line = line;
        std::string error;
        if (SplitScriptLine(text, tokens, error) && !tokens.empty()) {
            error = ParseLine(tokens, command);
        }
        if (!error.empty()) {
            parsed.errorLine = line;
            parsed.error = error;
            parsed.commands.clear();
            return parsed;
        }
        if (!tokens.empty()) {
            parsed.commands.push_back(std::move(command));
        }
    }
    return parsed;
}

} // namespace qvsql
