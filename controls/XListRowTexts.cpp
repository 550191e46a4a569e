#include "controls/XListRowTexts.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t word = sizeof(std::uint32_t);

std::uint32_t ReadWord(const char* at) {
    std::uint32_t value = 0;
    std::memcpy(&value, at, word);
    return value;
}

void WriteWord(char* at, std::size_t value) {
    const auto narrow = static_cast<std::uint32_t>(value);
    std::memcpy(at, &narrow, word);
}

} // namespace

std::size_t XListRowTexts::Count() const {
    return block ? ReadWord(block.get()) : 0;
}

std::uint32_t XListRowTexts::Length(std::size_t index) const {
    return ReadWord(block.get() + word * (1 + index));
}

std::string_view XListRowTexts::Get(std::size_t index) const {
    const std::size_t count = Count();
    if (index >= count) {
        return {};
    }
    std::size_t offset = word * (1 + count);
    for (std::size_t i = 0; i < index; ++i) {
        offset += Length(i);
    }
    return {block.get() + offset, Length(index)};
}

// The old block is read through source until the new one replaces it.
template <class Source> void XListRowTexts::Rebuild(std::size_t count, Source source) {
    while (count > 0 && source(count - 1).empty()) {
        --count;
    }
    if (count == 0) {
        block.reset();
        return;
    }
    std::size_t bytes = word * (1 + count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes += source(i).size();
    }
    auto made = std::make_unique_for_overwrite<char[]>(bytes);
    WriteWord(made.get(), count);
    std::size_t offset = word * (1 + count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view text = source(i);
        WriteWord(made.get() + word * (1 + i), text.size());
        if (!text.empty()) {
            std::memcpy(made.get() + offset, text.data(), text.size());
        }
        offset += text.size();
    }
    block = std::move(made);
}

// Texts longer than 4 GiB are cut there.
void XListRowTexts::Set(std::size_t index, std::string_view text) {
    text = text.substr(0, UINT32_MAX);
    const std::size_t count = Count();
    if (index >= count && text.empty()) {
        return;
    }
    // The old block, which text may lie in, goes only once the new one is made.
    Rebuild(std::max(count, index + 1), [&](std::size_t i) { return i == index ? text : Get(i); });
}

// Rebuild reads the old block until it has made the new one, so the strings are read in place.
void XListRowTexts::Insert(std::size_t index) {
    if (index < Count()) {
        Rebuild(Count() + 1, [&](std::size_t i) {
            return i == index ? std::string_view() : Get(i < index ? i : i - 1);
        });
    }
}

void XListRowTexts::Erase(std::size_t index) {
    if (index < Count()) {
        Rebuild(Count() - 1, [&](std::size_t i) { return Get(i < index ? i : i + 1); });
    }
}
