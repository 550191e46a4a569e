#pragma once
// Invariant checks for the fuzzers: a broken one aborts so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

namespace qvsql::fuzz {

inline void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

} // namespace qvsql::fuzz
