#pragma once
// Leading option byte shared by the text fuzzers. A first byte from 0x01 to 0x07 is
// consumed as flags; anything else is text already, so plain statements are valid seeds.
#include "sql/GroupingChars.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qvsql::fuzz {

struct FuzzOptions {
    GroupingChars grouping;
    bool whereEnabled = true;
    bool orderByEnabled = true;
};

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string_view{}
                     : std::string_view(reinterpret_cast<const char*>(data), size);
}

// Bit 0: the next two bytes are the grouping pair; bit 1: WHERE off; bit 2: ORDER BY off.
inline FuzzOptions TakeOptions(std::string_view& input) {
    FuzzOptions options;
    if (input.empty() || input[0] < 0x01 || input[0] > 0x07)
        return options;
    const int flags = input[0];
    input.remove_prefix(1);
    options.whereEnabled = (flags & 2) == 0;
    options.orderByEnabled = (flags & 4) == 0;
    if ((flags & 1) != 0 && input.size() >= 2) {
        options.grouping = GroupingChars::FromString(input.substr(0, 2));
        input.remove_prefix(2);
    }
    return options;
}

} // namespace qvsql::fuzz
