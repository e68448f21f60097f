#include "embed/core/significance/false_discovery.h"

#include <gtest/gtest.h>

namespace undertext::embed {
namespace {

TEST(BenjaminiHochberg, WorkedByHand) {
    const struct {
        std::vector<double> p;
        std::size_t family;
        std::vector<double> q;
    } cases[] = {
        // Ranked 0.005, 0.01, 0.03, 0.04, 1, 1 of six: 6p/rank = 0.03, 0.03, 0.06,
        // 0.06, 1.2, 1.
        {{0.01, 0.04, 0.03, 0.005}, 6, {0.03, 0.06, 0.06, 0.03}},
        // The step-up: 2 * 0.02 / 1 = 0.04 is lowered to the 0.021 of rank 2.
        {{0.02, 0.021}, 2, {0.021, 0.021}},
        // Equal p-values, equal q-values: 3 * 0.01 / 2.
        {{0.01, 0.01, 0.5}, 3, {0.015, 0.015, 0.5}},
        // Capped at 1.
        {{0.9}, 3, {1.0}},
        {{}, 4, {}},
    };
    for (const auto& c : cases) {
        const auto q = benjaminiHochberg(c.p, c.family);
        ASSERT_EQ(q.size(), c.q.size());
        for (std::size_t i = 0; i < q.size(); ++i) {
            EXPECT_NEAR(q[i], c.q[i], 1e-15) << "case of " << c.p.size() << ", entry " << i;
        }
    }
}

}  // namespace
}  // namespace undertext::embed
