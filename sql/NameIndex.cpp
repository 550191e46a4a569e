#include "sql/NameIndex.h"

#include "sql/TextOps.h"

namespace qvsql {

std::size_t NoCaseHash::operator()(std::string_view text) const {
    std::size_t hash = 1469598103934665603ull; // FNV-1a over the upper-case fold
    for (char c : text) {
        hash ^= static_cast<unsigned char>(ToUpperAscii(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    return EqualsNoCase(a, b);
}

} // namespace qvsql
