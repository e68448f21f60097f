#include "create/core/variant_random.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace undertext::create {

float ProgramRandom::next() {
    // The top 24 bits give every float in [0, 1) with a step of 2^-24.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

std::size_t drawPosition(RandomSource& random, std::size_t n) {
    const float r = random.next();
    assert(0.0f <= r && r < 1.0f);
    // The product is taken in double precision, where r × n stays below n.
    const auto product = static_cast<double>(r) * static_cast<double>(n);
    const auto position = static_cast<std::size_t>(std::floor(product)) + 1;
    return n == 0 ? 1 : std::min(position, n);
}

}  // namespace undertext::create
