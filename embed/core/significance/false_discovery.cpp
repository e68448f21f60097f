#include "embed/core/significance/false_discovery.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace undertext::embed {

std::vector<double> benjaminiHochberg(const std::vector<double>& pValues, std::size_t familySize) {
    assert(familySize >= pValues.size());
    std::vector<std::size_t> byP(pValues.size());
    std::iota(byP.begin(), byP.end(), std::size_t{0});
    // Equal p-values end with equal q-values, so their order does not matter.
    std::sort(byP.begin(), byP.end(),
              [&](std::size_t a, std::size_t b) { return pValues[a] < pValues[b]; });
    std::vector<double> qValues(pValues.size());
    const auto family = static_cast<double>(familySize);
    double least = 1.0;
    for (auto rank = byP.size(); rank > 0; --rank) {
        const auto index = byP[rank - 1];
        least = std::min(least, family * pValues[index] / static_cast<double>(rank));
        qValues[index] = least;
    }
    return qValues;
}

}  // namespace undertext::embed
