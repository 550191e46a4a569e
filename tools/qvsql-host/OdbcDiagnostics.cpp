#include "OdbcDiagnostics.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace {

constexpr std::size_t MaxLine = 1000;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Blanks for control characters, one blank for a run of them, none at either end.
std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) {
        const bool blank = static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == ' ';
        if (!blank)
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == ';'))
        line.pop_back();
    return line;
}

bool Says(const std::vector<OdbcDiagnostic>& records, std::initializer_list<const char*> words) {
    for (const OdbcDiagnostic& record : records) {
        const std::string message = Lower(record.message);
        for (const char* word : words)
            if (message.find(word) != std::string::npos)
                return true;
    }
    return false;
}

bool StateIs(const std::vector<OdbcDiagnostic>& records,
             std::initializer_list<const char*> prefixes) {
    for (const OdbcDiagnostic& record : records)
        for (const char* prefix : prefixes)
            if (record.state.rfind(prefix, 0) == 0)
                return true;
    return false;
}

} // namespace

std::string FlattenDiagnostics(const std::vector<OdbcDiagnostic>& records) {
    std::vector<std::string> parts;
    for (const OdbcDiagnostic& record : records) {
        const std::string part = OneLine(record.message);
        if (!part.empty() && std::find(parts.begin(), parts.end(), part) == parts.end())
            parts.push_back(part);
    }
    std::string line;
    for (const std::string& part : parts)
        line += (line.empty() ? "" : "; ") + part;
    if (line.size() > MaxLine)
        line = line.substr(0, MaxLine) + "...";
    if (line.empty())
        line = "the driver gave no reason";
    if (!records.empty() && !records.front().state.empty())
        line += " (SQLSTATE " + OneLine(records.front().state) + ")";
    return line;
}

ExitStatus ClassifyConnectFailure(const std::vector<OdbcDiagnostic>& records) {
    // Drivers report most connection failures as 08001 and tell them apart only in words.
    if (StateIs(records, {"28"}) ||
        Says(records, {"authentication failed", "access denied", "login failed",
                       "no password supplied", "password is required", "role \""}))
        return ExitStatus::BadCredentials;
    if (StateIs(records, {"HYT"}) || Says(records, {"timeout expired", "timed out"}))
        return ExitStatus::TimedOut;
    if (Says(records, {"does not exist", "unknown database"}))
        return ExitStatus::CannotOpen;
    if (StateIs(records, {"08"}))
        return ExitStatus::Unreachable;
    return ExitStatus::CannotOpen;
}

ExitStatus ClassifyStatementFailure(const std::vector<OdbcDiagnostic>& records) {
    if (StateIs(records, {"HYT", "57014"}))
        return ExitStatus::TimedOut;
    if (StateIs(records, {"08", "57P"}) ||
        Says(records, {"connection has been lost", "connection is down",
                       "server closed the connection", "gone away", "lost connection"}))
        return ExitStatus::ConnectionLost;
    return ExitStatus::Rejected;
}
