// String file decoding against arbitrary files. The first input byte picks the language
// (its code page and file name); the rest is the file. Every translation must come out as
// valid UTF-8 of bounded size, and the decoders must keep ASCII as it is.
#include "fuzz/FuzzCheck.h"
#include "module/CodePages.h"
#include "module/InterfaceTexts.h"
#include "module/LanguageNames.h"
#include "module/TextTranslator.h"
#include "platform/sys/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

using qvsql::fuzz::Require;

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern = "/tmp/qvsql-stringfile-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        static const std::string made = pattern;
        std::atexit([] { rmdir(made.c_str()); });
        return pattern + "/";
    }();
    return folder;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (gfx::DecodeUtf8(text, pos) == gfx::ReplacementChar &&
            text.substr(start, pos - start) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The file's verdict may come from an earlier input of the same size written within the
// file system's clock tick; either verdict must give valid text.
void CheckTranslations(const std::string& path, std::string_view body) {
    for (const std::string_view text : qvsql::texts::translated) {
        const std::string translation = qvsql::TranslateText(path, qvsql::texts::section, text);
        Require(IsValidUtf8(translation), "translation is valid UTF-8");
        Require(translation.size() <= 3 * 1022, "translation stays within the lookup's limit");
    }
    const std::string key(body.substr(0, std::min<std::size_t>(body.find('='), 64)));
    const std::string own = qvsql::TranslateText(path, qvsql::texts::section, key);
    Require(IsValidUtf8(own), "translation of a key from the file is valid UTF-8");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const qvsql::Language& language = qvsql::languages[data[0] % qvsql::languages.size()];
    const std::string_view body(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string decoded = qvsql::CodePages::Decode(body, language.codePage);
    Require(IsValidUtf8(decoded), "decoded text is valid UTF-8");
    Require(!IsAscii(body) || decoded == body, "decoding keeps ASCII");
    const std::string repaired = qvsql::CodePages::RepairUtf8(body);
    Require(IsValidUtf8(repaired), "repaired text is valid UTF-8");
    Require(!IsValidUtf8(body) || repaired == body, "repair keeps valid UTF-8");

    const std::string path = ScratchFolder() + std::string(language.name) + ".str";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr, "scratch file opens");
    std::fwrite(body.data(), 1, body.size(), file);
    std::fclose(file);
    CheckTranslations(path, body);
    std::remove(path.c_str());
    return 0;
}
