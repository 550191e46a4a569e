#include "module/CodePages.h"

#include "module/LanguageNames.h"
#include "platform/sys/Utf8.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace qvsql {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";

// One conversion descriptor per call: each value starts in the initial shift state.
class Converter {
  public:
    explicit Converter(const char* codePage) : cd_(iconv_open("UTF-8", codePage)) {}
    ~Converter() {
        if (Usable()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts in, or the part of it up to an error, appending to out; returns errno on
    // an error, 0 when everything was converted.
    int Step(std::string_view& in, std::string& out) {
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        const int error = Convert(&inPtr, &inLeft, out);
        in.remove_prefix(in.size() - inLeft);
        return error;
    }
    // Writes out a character the converter holds back (CP1258 waits for a tone mark).
    void Flush(std::string& out) { Convert(nullptr, nullptr, out); }

  private:
    int Convert(char** in, std::size_t* inLeft, std::string& out) {
        std::array<char, 4096> chunk{};
        char* outPtr = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t done = iconv(cd_, in, inLeft, &outPtr, &outLeft);
        const int error = done == static_cast<std::size_t>(-1) ? errno : 0;
        out.append(chunk.data(), static_cast<std::size_t>(outPtr - chunk.data()));
        return error;
    }

    iconv_t cd_;
};

void ReportMissingConverter(const char* codePage) {
    static bool reported = false;
    if (!reported) {
        std::fprintf(stderr,
                     "qvsql: no converter from %s; legacy string file text shows as U+FFFD\n",
                     codePage);
    }
    reported = true;
}

// A failure that ends the text and began with a lead byte was a sequence cut short.
bool StartsSequence(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0xC2 && byte <= 0xF4;
}

std::string AsciiOnly(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80) {
            out.push_back(c);
        } else {
            out.append(replacement);
        }
    }
    return out;
}

} // namespace

const char* CodePages::OfStringFile(std::string_view path) {
    std::string_view name = path.substr(std::min(path.size(), path.rfind('/') + 1));
    if (!name.ends_with(".str")) {
        return languages.back().codePage;
    }
    name.remove_suffix(4);
    const auto found =
        std::find_if(languages.begin(), languages.end(),
                     [name](const Language& language) { return language.name == name; });
    return found != languages.end() ? found->codePage : languages.back().codePage;
}

std::string CodePages::Decode(std::string_view bytes, const char* codePage) {
    Converter converter(codePage);
    if (!converter.Usable()) {
        ReportMissingConverter(codePage);
        return AsciiOnly(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    while (!bytes.empty()) {
        const int error = converter.Step(bytes, out);
        if (error == EINVAL) {
            break;
        }
        if (error != 0 && error != E2BIG) {
            converter.Flush(out);
            out.append(replacement);
            bytes.remove_prefix(1);
        }
    }
    converter.Flush(out);
    return out;
}

std::string CodePages::RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        if (gfx::DecodeUtf8(bytes, pos) != gfx::ReplacementChar ||
            bytes.substr(start, pos - start) == replacement) {
            out.append(bytes.substr(start, pos - start));
        } else if (pos == bytes.size() && StartsSequence(bytes[start])) {
            break;
        } else {
            out.append(replacement);
        }
    }
    return out;
}

} // namespace qvsql
