#include "embed/core/significance/count_tails.h"

#include <gtest/gtest.h>

namespace undertext::embed {
namespace {

// The values were worked out in exact rational arithmetic (60 decimal digits)
// from the probability functions: the Poisson tail as e^-m * sum over x >= n of
// m^x / x!, the geometric-Poisson one from its probabilities
// P(X = x) = e^-c * sum over 1 <= j <= x of c^j / j! * C(x-1, j-1) a^(x-j) (1-a)^j,
// c = m (1 - a), summed until the terms no longer count.
TEST(CountTails, AgainstValuesWorkedOutExactly) {
    const struct {
        double mean;
        double clump;
        std::int64_t observed;
        double tail;
    } cases[] = {
        {1, 0, 1, 6.321205588286e-01},                                          // 1 - 1/e
        {2, 0, 3, 3.233235838169e-01},                                          // 1 - 5/e^2
        {1, 0, 10, 1.114254783387e-07},      {10, 0, 100, 5.398589728140e-63},  // far in the tail
        {1000, 0, 1100, 9.626304058666e-04}, {0.5, 0, 0, 1.0},
        {2, 0.5, 2, 4.481808382428e-01},  // 1 - 1.5/e: one clump of 1 has e^-1 / 2
        {2, 0.5, 3, 3.102260478035e-01},  // 1 - 1.875/e
        {3, 0.2, 1, 9.092820467106e-01},  // 1 - e^-2.4: at least one clump
        {10, 0.5, 60, 3.346022115579e-08},   {5, 0.9, 40, 1.544167260204e-02},  // long clumps
        {20, 0.25, 21, 4.404895276840e-01},  {100, 0.5, 400, 8.808370549646e-32},
    };
    for (const auto& c : cases) {
        const double tail = geometricPoissonUpperTail(c.mean, c.clump, c.observed);
        EXPECT_NEAR(tail, c.tail, 1e-9 * c.tail)
            << "mean " << c.mean << ", clump " << c.clump << ", observed " << c.observed;
        if (c.clump == 0) {
            EXPECT_NEAR(poissonUpperTail(c.mean, c.observed), c.tail, 1e-9 * c.tail);
        }
    }
}

TEST(CountTails, AWordThatCannotOccurHasNoTail) {
    EXPECT_EQ(poissonUpperTail(0, 0), 1.0);
    EXPECT_EQ(poissonUpperTail(0, 1), 0.0);
    EXPECT_EQ(geometricPoissonUpperTail(0, 0.5, 0), 1.0);
    EXPECT_EQ(geometricPoissonUpperTail(0, 0.5, 3), 0.0);
}

TEST(CountTails, HugeMeansCountsAndClumpsStayProbabilities) {
    // Counts far below, at and far above means up to a million, clumps up to the
    // cap: never NaN, never outside [0, 1], never rising with the count.
    for (const double mean : {1e-12, 0.5, 1e3, 1e6}) {
        for (const double clump : {0.0, 0.5, 0.999999}) {
            double previous = 1.0;
            for (const double factor : {0.0, 0.5, 1.0, 1.01, 2.0, 10.0}) {
                const auto observed = static_cast<std::int64_t>(factor * mean) + 1;
                const double tail = geometricPoissonUpperTail(mean, clump, observed);
                EXPECT_GE(tail, 0.0) << mean << " " << clump << " " << observed;
                EXPECT_LE(tail, previous) << mean << " " << clump << " " << observed;
                previous = tail;
            }
        }
    }
}

TEST(CountTails, ClumpingMakesHighCountsLessSurprising) {
    // The same mean, the same count: the more the occurrences clump, the likelier
    // a high count.
    double previous = 0;
    for (const double clump : {0.0, 0.1, 0.3, 0.6, 0.9}) {
        const double tail = geometricPoissonUpperTail(10, clump, 25);
        EXPECT_GT(tail, previous) << clump;
        previous = tail;
    }
}

}  // namespace
}  // namespace undertext::embed
