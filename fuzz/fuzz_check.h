#pragma once

#include <cstdio>
#include <cstdlib>

namespace undertext::fuzz {

// Ends the run with a report (a finding for libFuzzer, which keeps the input) when a
// property of the code under test does not hold.
inline void check(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "fuzz: property broken: %s\n", property);
        std::abort();
    }
}

}  // namespace undertext::fuzz
