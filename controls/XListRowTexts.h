#pragma once
// A row's few strings in one block: a count, the lengths, then the bytes. Most rows of a large
// grid hold one or two short strings, which a vector of strings would keep in three or more
// blocks of memory. Empty strings at the end are not kept.
#include <cstdint>
#include <memory>
#include <string_view>

class XListRowTexts {
  public:
    // "" past the last string.
    std::string_view Get(std::size_t index) const;
    void Set(std::size_t index, std::string_view text);
    // An empty string comes in at index, or the string there goes; those after it move.
    void Insert(std::size_t index);
    void Erase(std::size_t index);

  private:
    std::size_t Count() const;
    std::uint32_t Length(std::size_t index) const;
    // Makes the block anew with count strings, taking each from source.
    template <class Source> void Rebuild(std::size_t count, Source source);

    std::unique_ptr<char[]> block;
};
