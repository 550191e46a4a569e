#pragma once
// A case-insensitive index of names to positions; the first of equal names wins.
// It keeps views, so the names must outlive the index.
#include <cstddef>
#include <string_view>
#include <unordered_map>

namespace qvsql {

struct NoCaseHash {
    std::size_t operator()(std::string_view text) const;
};

struct NoCaseEqual {
    bool operator()(std::string_view a, std::string_view b) const;
};

class NameIndex {
  public:
    void Reserve(std::size_t count) { positions.reserve(count); }
    // False when an equal name was there before (and keeps its position).
    bool Add(std::string_view name, int position) {
        return positions.try_emplace(name, position).second;
    }

    // The position of the first name equal to name ignoring letter case; -1 when none is.
    int Find(std::string_view name) const {
        const auto it = positions.find(name);
        return it == positions.end() ? -1 : it->second;
    }

  private:
    std::unordered_map<std::string_view, int, NoCaseHash, NoCaseEqual> positions;
};

} // namespace qvsql
