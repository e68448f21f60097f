#pragma once

#include <algorithm>
#include <vector>

namespace undertext::testing {

// The Kolmogorov-Smirnov distance of values in [0, 1] from the uniform law: the
// largest gap between their empirical distribution function and the identity.
inline double distanceFromUniform(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto n = static_cast<double>(values.size());
    double distance = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        distance = std::max({distance, (static_cast<double>(i) + 1) / n - values[i],
                             values[i] - static_cast<double>(i) / n});
    }
    return distance;
}

// The share of values at or below alpha.
inline double shareAtMost(const std::vector<double>& values, double alpha) {
    return static_cast<double>(std::count_if(values.begin(), values.end(),
                                             [&](double value) { return value <= alpha; })) /
           static_cast<double>(values.size());
}

}  // namespace undertext::testing
