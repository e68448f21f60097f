#include "viewer/core/significance_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/core/text/codepage.h"
#include "embed/core/significance/significance_table.h"

namespace undertext {
namespace {

constexpr const char* kHeader = "word\tobserved\texpected\tratio\tz\tp\tq\n";

// What Embed writes is what the viewer reads: cells as written, numbers as
// values, "-" of an untested word as no value.
TEST(SignificanceFile, ReadsWhatEmbedWrites) {
    const double infinity = std::numeric_limits<double>::infinity();
    const std::vector<embed::SignificanceRow> rows = {
        {utf8ToCp1251("кот"), 40, 12.5, true, 1e-9, 3.2e-7},
        {utf8ToCp1251("отец"), 3, 2.0, true, 0.3, 0.049999},
        {utf8ToCp1251("ель"), 2, 1.0, true, 0.26, 0.0500001},
        {utf8ToCp1251("ор"), 9, 8.5, false, 1, 1},
        {utf8ToCp1251("щщщщщщ"), 1, 0.0, true, 0.0, 0.0},
    };
    const auto reading = readSignificanceFile(embed::significanceTsv(rows));
    ASSERT_TRUE(reading.table) << reading.badLine;
    const auto& table = *reading.table;
    ASSERT_EQ(table.size(), rows.size());

    const auto& cat = table.at(utf8ToCp1251("кот"));
    EXPECT_EQ(cat.expected.text, "12.5");
    EXPECT_EQ(cat.ratio.text, "3.2");
    EXPECT_EQ(cat.q.text, "3.20e-07");
    EXPECT_DOUBLE_EQ(*cat.q.value, 3.2e-7);
    EXPECT_DOUBLE_EQ(*cat.expected.value, 12.5);

    const auto& untested = table.at(utf8ToCp1251("ор"));
    EXPECT_EQ(untested.q.text, "-");
    EXPECT_FALSE(untested.q.value);
    EXPECT_EQ(*table.at(utf8ToCp1251("щщщщщщ")).ratio.value, infinity);

    // q below the level, at it after rounding to three digits, above it, untested.
    const struct {
        const char* word;
        bool nonRandom;
    } levels[] = {{"кот", true}, {"отец", false}, {"ель", false}, {"ор", false}};
    for (const auto& level : levels) {
        EXPECT_EQ(isNonRandom(table.at(utf8ToCp1251(level.word)).q), level.nonRandom) << level.word;
    }
}

TEST(SignificanceFile, AcceptsLineEndsAndRepeatsAsTheyCome) {
    const auto reading = readSignificanceFile(
        std::string(kHeader).replace(std::string(kHeader).size() - 1, 1, "\r\n") +
        "кот\t4\t1.5\t2.667\t2.041\t0.0656\t1.00e-02\r\n"
        "кот\t5\t9\t9\t9\t9\t9\n"
        "пёс\t1\tnan\tinf\t-inf\t-\t-");
    ASSERT_TRUE(reading.table) << reading.badLine;
    EXPECT_EQ(reading.table->size(), 2u);
    EXPECT_EQ(reading.table->at(utf8ToCp1251("кот")).expected.text, "1.5");
    EXPECT_TRUE(std::isnan(*reading.table->at(utf8ToCp1251("пёс")).expected.value));

    const auto headerOnly = readSignificanceFile(kHeader);
    ASSERT_TRUE(headerOnly.table);
    EXPECT_TRUE(headerOnly.table->empty());
}

TEST(SignificanceFile, NamesTheFirstLineThatDoesNotRead) {
    const std::string good = "кот\t4\t1.5\t2.667\t2.041\t6.56e-02\t1.00e-02\n";
    const struct {
        const char* what;
        std::string file;
        std::size_t badLine;
    } cases[] = {
        {"empty", "", 1},
        {"another header", "word\tobserved\texpected\n" + good, 1},
        {"a frequency report", "  Слово  Кол-во  Длина\r\n", 1},
        {"six fields", kHeader + good + "кот\t4\t1.5\t2.667\t2.041\t0.1\n", 3},
        {"eight fields", kHeader + good + good.substr(0, good.size() - 1) + "\t1\n", 3},
        {"no word", std::string(kHeader) + "\t4\t1.5\t2.667\t2.041\t0.1\t0.1\n", 2},
        {"a fractional count", std::string(kHeader) + "кот\t4.5\t1.5\t3\t2\t0.1\t0.1\n", 2},
        {"a word for a number", std::string(kHeader) + "кот\t4\tмного\t3\t2\t0.1\t0.1\n", 2},
        {"a decimal comma", std::string(kHeader) + "кот\t4\t1,5\t3\t2\t0.1\t0.1\n", 2},
        {"an untested expectation", std::string(kHeader) + "кот\t4\t-\t3\t2\t0.1\t0.1\n", 2},
        {"a blank line", kHeader + good + "\n" + good, 3},
    };
    for (const auto& c : cases) {
        const auto reading = readSignificanceFile(c.file);
        EXPECT_FALSE(reading.table) << c.what;
        EXPECT_EQ(reading.badLine, c.badLine) << c.what;
    }
}

}  // namespace
}  // namespace undertext
