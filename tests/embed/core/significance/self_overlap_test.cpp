#include "embed/core/significance/self_overlap.h"

#include <gtest/gtest.h>

#include "testing/literal/embed_search.h"

namespace undertext::embed {
namespace {

using testing::cp;
using Periods = std::vector<std::size_t>;

TEST(SelfOverlap, PeriodsAndPrincipalPeriods) {
    const struct {
        const char* word;
        Periods periods;
        Periods principal;
    } cases[] = {
        {"кот", {}, {}},
        {"а", {}, {}},
        {"аа", {1}, {1}},
        {"ото", {2}, {2}},
        {"аааа", {1, 2, 3}, {1}},
        {"абабаб", {2, 4}, {2}},
        {"абааба", {3, 5}, {3, 5}},
        {"абаабааба", {3, 6, 8}, {3, 8}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wordPeriods(cp(c.word)), c.periods) << c.word;
        EXPECT_EQ(principalPeriods(cp(c.word)), c.principal) << c.word;
    }
}

TEST(SelfOverlap, ClumpParametersWorkedByHand) {
    // «ааба»: P(а) = 3/4, P(б) = 1/4; а is followed by а once and by б once.
    // «ототоа»: P(о) = 1/2, P(т) = 1/3; P(т | о) = 2/3, P(о | т) = 1;
    // P(т | то) = 1/2, P(о | от) = 1.
    const struct {
        const char* letters;
        int order;
        const char* word;
        double clump;
    } cases[] = {
        {"ааба", 0, "аа", 3.0 / 4},
        {"ааба", 1, "аа", 1.0 / 2},
        {"ототоа", 0, "ото", 1.0 / 3 * 1.0 / 2},
        {"ототоа", 1, "ото", 2.0 / 3 * 1.0},
        {"ототоа", 2, "ото", 1.0 / 2 * 1.0},
        {"ототоа", 1, "тот", 1.0 * 2.0 / 3},
        {"ототоа", 1, "тоо", 0.0},  // о never follows о
        {"ототоа", 1, "кот", 0.0},  // cannot overlap itself
        // Only the principal period 1 counts, not 1, 2 and 3.
        {"ааба", 0, "аааа", 3.0 / 4},
        // Periods 3 and 8: the letters «аба» added, or «баабааба».
        {"ааба", 0, "абаабааба", 9.0 / 64 + 243.0 / 65536},
        // A stream of one letter would never end a clump.
        {"аааа", 1, "аа", kMaxClumpParameter},
    };
    for (const auto& c : cases) {
        const LetterModel model(cp(c.letters), c.order);
        EXPECT_NEAR(clumpParameter(model, cp(c.word)), c.clump, 1e-15)
            << c.word << " in " << c.letters << ", order " << c.order;
    }
}

}  // namespace
}  // namespace undertext::embed
