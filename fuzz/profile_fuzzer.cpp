// Profile lookup against arbitrary files. The first input line names what to look up:
// "section<TAB>key", or just a key in section SQLBuilder; the rest is the file.
#include "platform/sys/ProfileFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

const std::string& ScratchPath() {
    static const std::string path = [] {
        std::string pattern = "/tmp/qvsql-profile-fuzz-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd >= 0)
            close(fd);
        return pattern;
    }();
    return path;
}

void WriteScratch(std::string_view body) {
    std::FILE* file = std::fopen(ScratchPath().c_str(), "wb");
    if (file == nullptr)
        std::abort();
    std::fwrite(body.data(), 1, body.size(), file);
    std::fclose(file);
}

// An exactly sized heap buffer, so that any write past it is caught by the sanitizer.
std::string LookUp(const std::string& section, const std::string& key, DWORD size) {
    const auto buffer = std::make_unique<char[]>(size);
    const DWORD copied = GetPrivateProfileStringA(section.c_str(), key.c_str(), "default",
                                                  buffer.get(), size, ScratchPath().c_str());
    const bool terminated =
        size == 0 ? copied == 0 : copied < size && strnlen(buffer.get(), size) == copied;
    if (!terminated)
        std::abort();
    return std::string(buffer.get(), copied);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = std::min(input.find('\n'), input.size());
    const std::string_view head = input.substr(0, lineEnd);
    const std::size_t tab = head.find('\t');
    const std::string section(tab == std::string_view::npos ? "SQLBuilder" : head.substr(0, tab));
    const std::string key(tab == std::string_view::npos ? head : head.substr(tab + 1));
    WriteScratch(input.substr(std::min(lineEnd + 1, input.size())));
    // A smaller buffer must receive a prefix of what the large one receives.
    const std::string full = LookUp(section, key, 1023);
    for (const DWORD bufferSize : {0u, 1u, 2u, 7u, 64u}) {
        if (LookUp(section, key, bufferSize) !=
            full.substr(0, bufferSize == 0 ? 0 : bufferSize - 1))
            std::abort();
    }
    std::remove(ScratchPath().c_str());
    return 0;
}
