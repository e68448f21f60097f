#include "embed/core/significance/count_tails.h"

#include <algorithm>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <limits>

namespace undertext::embed {
namespace {

namespace policies = boost::math::policies;

// Boost.Math reports a bad argument by a value, never by an exception (the callers
// check their arguments first), and works in double precision throughout (long
// double inside would be slower and is not needed for three significant digits).
using NoThrow =
    policies::policy<policies::domain_error<policies::ignore_error>,
                     policies::overflow_error<policies::ignore_error>,
                     policies::evaluation_error<policies::ignore_error>,
                     policies::pole_error<policies::ignore_error>, policies::promote_double<false>>;

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

// log P(C >= atLeast) for C Poisson with a positive mean.
double logPoissonUpperTail(double mean, double atLeast) {
    if (atLeast <= 0) {
        return 0.0;
    }
    const boost::math::poisson_distribution<double, NoThrow> poisson(mean);
    const double tail = boost::math::cdf(boost::math::complement(poisson, atLeast - 1));
    return tail > 0 ? std::log(tail) : kMinusInfinity;
}

double logChoose(double n, double k) {
    return boost::math::lgamma(n + 1, NoThrow()) - boost::math::lgamma(k + 1, NoThrow()) -
           boost::math::lgamma(n - k + 1, NoThrow());
}

}  // namespace

double poissonUpperTail(double mean, std::int64_t observed) {
    if (observed <= 0) {
        return 1.0;
    }
    if (mean <= 0) {
        return 0.0;
    }
    return std::exp(logPoissonUpperTail(mean, static_cast<double>(observed)));
}

// With C the number of clumps and B ~ Binomial(n - 1, 1 - clump) independent of it,
// X >= n exactly when the first n - 1 geometric trials hold fewer than C
// successes, so
//   P(X >= n) = sum over j of P(B = j) * P(C >= j + 1).
// Both factors are log-concave in j, so the terms rise to one peak and fall: the
// peak is found by bisection and the sum runs outwards from it, in units of the
// peak, until the terms no longer count.
double geometricPoissonUpperTail(double mean, double clump, std::int64_t observed) {
    if (observed <= 0) {
        return 1.0;
    }
    if (mean <= 0) {
        return 0.0;
    }
    if (clump <= 0) {
        return poissonUpperTail(mean, observed);
    }
    const double clumps = mean * (1 - clump);
    const auto trials = static_cast<double>(observed - 1);
    const double logSuccess = std::log1p(-clump);
    const double logFailure = std::log(clump);
    const auto logTerm = [&](std::int64_t j) {
        const auto successes = static_cast<double>(j);
        return logChoose(trials, successes) + successes * logSuccess +
               (trials - successes) * logFailure + logPoissonUpperTail(clumps, successes + 1);
    };
    std::int64_t low = 0;
    std::int64_t high = observed - 1;
    while (low < high) {
        const auto middle = low + (high - low) / 2;
        if (logTerm(middle + 1) > logTerm(middle)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    const double peak = logTerm(low);
    if (peak == kMinusInfinity) {
        return 0.0;
    }
    constexpr double kNegligible = 1e-17;
    double sum = 1.0;
    for (auto j = low + 1; j < observed; ++j) {
        const double term = std::exp(logTerm(j) - peak);
        sum += term;
        if (term < sum * kNegligible) {
            break;
        }
    }
    for (auto j = low - 1; j >= 0; --j) {
        const double term = std::exp(logTerm(j) - peak);
        sum += term;
        if (term < sum * kNegligible) {
            break;
        }
    }
    return std::min(1.0, std::exp(peak) * sum);
}

}  // namespace undertext::embed
