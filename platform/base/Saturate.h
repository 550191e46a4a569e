#pragma once
// Coordinate arithmetic that stops at the ends of LONG instead of overflowing: callers may hand
// in any point or rectangle, and a sum past the range means "as far as it goes".
#include "platform/base/WinDef.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace base {

constexpr LONG ClampToLong(std::int64_t value) {
    return static_cast<LONG>(std::clamp<std::int64_t>(value, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
}

constexpr LONG AddClamped(std::int64_t a, std::int64_t b) {
    return ClampToLong(a + b);
}

} // namespace base
