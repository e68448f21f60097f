#include "embed/core/significance/significance_table.h"

#include <gtest/gtest.h>

#include "testing/literal/embed_search.h"

namespace undertext::embed {
namespace {

using testing::cp;

TEST(SignificanceTable, Utf8TabsLfAndTheNumberForms) {
    const std::vector<SignificanceRow> rows = {
        {cp("кот"), 12, 3.14159, true, 1.234e-5, 0.000987654},
        {cp("ото"), 5, 12345.6, true, 1.0, 1.0},
        {cp("от"), 3, 2.5, false, 1.0, 1.0},
        {cp("котелок"), 1, 0.0, true, 0.0, 0.0},  // an expectation that underflowed
    };
    EXPECT_EQ(significanceTsv(rows),
              "word\tobserved\texpected\tratio\tz\tp\tq\n"
              "кот\t12\t3.142\t3.82\t4.998\t1.23e-05\t9.88e-04\n"
              "ото\t5\t1.235e+04\t0.000405\t-111.1\t1.00e+00\t1.00e+00\n"
              "от\t3\t2.5\t1.2\t0.3162\t-\t-\n"
              "котелок\t1\t0\tinf\tinf\t0.00e+00\t0.00e+00\n");
    EXPECT_EQ(significanceTsv({}), "word\tobserved\texpected\tratio\tz\tp\tq\n");
}

}  // namespace
}  // namespace undertext::embed
