#include "module/TextTranslator.h"

#include "module/CodePages.h"
#include "module/LanguageNames.h"
#include "module/StringFileEncoding.h"
#include "platform/sys/ModulePath.h"
#include "platform/sys/ProfileFile.h"

#include <array>
#include <climits>

namespace qvsql {
namespace {

// One pass leaves nothing to replace: the replacement never forms a new pair.
void ReplaceEscape(std::string& text, char letter, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == letter) {
            out.push_back(replacement);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    text = std::move(out);
}

// Decoded before the escapes are written out: in a double-byte code page the second byte
// of a character may be a backslash.
std::string AsUtf8(const std::string& stringFilePath, std::string_view value) {
    static StringFileEncoding encodings;
    if (value.empty()) {
        return {};
    }
    if (encodings.IsUtf8(stringFilePath)) {
        return CodePages::RepairUtf8(value);
    }
    return CodePages::Decode(value, CodePages::OfStringFile(stringFilePath));
}

} // namespace

std::string BuildStringFilePath(std::string_view exePath, int languageIndex) {
    const bool known = languageIndex >= 0 && languageIndex < static_cast<int>(languageNames.size());
    const std::string_view name =
        languageNames[known ? static_cast<std::size_t>(languageIndex) : 0];
    const std::size_t slash = exePath.rfind('/');
    const bool hasFolder = slash != std::string_view::npos && slash > 0;
    std::string path(hasFolder ? exePath.substr(0, slash + 1) : std::string_view());
    path.append(name);
    path.append(".str");
    return path;
}

std::string HostStringFilePath(int languageIndex) {
    std::array<char, PATH_MAX> exePath{};
    const DWORD length = GetModuleFileNameA(nullptr, exePath.data(), PATH_MAX);
    if (length == 0 || length >= PATH_MAX) {
        return {};
    }
    return BuildStringFilePath(std::string_view(exePath.data(), length), languageIndex);
}

std::string MakeTranslationKey(std::string_view text) {
    std::string key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\t' || (c == '.' && i + 1 < text.size() && text[i + 1] == '.')) {
            break;
        }
        if (c != '&' && c != '\n') {
            key.push_back(c);
        }
    }
    return key;
}

std::string TranslateText(const std::string& stringFilePath, std::string_view section,
                          std::string_view text) {
    if (text.empty() || stringFilePath.empty()) {
        return {};
    }
    const std::string key = MakeTranslationKey(text);
    const std::string sectionName(section);
    std::array<char, 1024> buffer{};
    GetPrivateProfileStringA(sectionName.c_str(), key.c_str(), "", buffer.data(), 1023,
                             stringFilePath.c_str());
    std::string result = AsUtf8(stringFilePath, buffer.data());
    ReplaceEscape(result, 'r', '\r');
    ReplaceEscape(result, 'n', '\n');
    return result;
}

} // namespace qvsql
