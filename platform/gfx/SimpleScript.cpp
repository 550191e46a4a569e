#include "platform/gfx/SimpleScript.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace gfx {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

template <std::size_t N> bool InRanges(const std::array<Range, N>& ranges, char32_t cp) {
    const auto after = std::upper_bound(ranges.begin(), ranges.end(), cp,
                                        [](char32_t c, const Range& r) { return c < r.first; });
    return after != ranges.begin() && cp <= std::prev(after)->last;
}

// Sorted, inclusive. Left out: the soft hyphen (a format character), the spacing modifier
// letters and combining marks, Greek's unassigned code points and Cyrillic's combining marks.
constexpr std::array<Range, 10> Simple{{
    {0x0000, 0x00AC},
    {0x00AE, 0x02AF},
    {0x0370, 0x0377},
    {0x037A, 0x037F},
    {0x0384, 0x038A},
    {0x038C, 0x038C},
    {0x038E, 0x03A1},
    {0x03A3, 0x0482},
    {0x048A, 0x04FF},
    {0x1E00, 0x1EFF},
}};

// Sorted, inclusive: the code points of those blocks that belong to no script of their own.
constexpr std::array<Range, 11> Neutral{{
    {0x0000, 0x0040},
    {0x005B, 0x0060},
    {0x007B, 0x00A9},
    {0x00AB, 0x00B9},
    {0x00BB, 0x00BF},
    {0x00D7, 0x00D7},
    {0x00F7, 0x00F7},
    {0x0374, 0x0374},
    {0x037E, 0x037E},
    {0x0385, 0x0385},
    {0x0387, 0x0387},
}};

} // namespace

bool IsSimpleCodePoint(char32_t cp) {
    return InRanges(Simple, cp);
}

bool IsNeutralSimple(char32_t cp) {
    return InRanges(Neutral, cp);
}

} // namespace gfx
