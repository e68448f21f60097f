#include <gtest/gtest.h>

#include <string>

#include "common/core/text/codepage.h"
#include "corpus/core/echoscan_summary.h"
#include "corpus/core/embed_summary.h"
#include "corpus/core/summary_files.h"
#include "embed/core/prepared_text.h"
#include "testing/support/temp_folder.h"
#include "viewer/core/summary_by_text.h"
#include "viewer/core/summary_table.h"
#include "viewer/core/summary_texts.h"

namespace undertext {
namespace {

std::string produced(const std::function<void(const corpus::PieceSink&)>& produce) {
    std::string text;
    produce([&text](std::string_view piece) { text += piece; });
    return text;
}

// Two texts' words as a corpus run sums them up.
void addTwoTexts(corpus::EmbedSummary& summary) {
    summary.add(0,
                {"texts/a.txt", 1000, {{utf8ToCp1251("кот"), 3, 3}, {utf8ToCp1251("ель"), 1, 3}}});
    summary.add(1, {"b.txt", 4000, {{utf8ToCp1251("кот"), 2, 3}}});
}

TEST(SummaryFiles, ReadWhatACorpusRunWrites) {
    corpus::EmbedSummary embed;
    addTwoTexts(embed);
    const auto table =
        readSummaryTable(produced([&](const auto& sink) { embed.produceSummary(sink); }));
    ASSERT_TRUE(table.table) << table.badLine;
    EXPECT_EQ(table.table->terms, SummaryTerms::Words);
    EXPECT_EQ(table.table->columns,
              (std::vector<std::string>{"word", "total", "texts", "per_million", "dp"}));
    EXPECT_FALSE(table.table->qColumn);
    ASSERT_EQ(table.table->rows.size(), 2u);
    EXPECT_EQ(table.table->rows[0].term, "кот");
    EXPECT_EQ(table.table->rows[0].numbers[0].value, 5.0);
    EXPECT_EQ(table.table->rows[0].numbers[2].text, "1000.00");

    const auto byText = readSummaryByText(
        produced([&](const auto& sink) { embed.produceByText(sink); }), SummaryTerms::Words);
    ASSERT_TRUE(byText.table) << byText.badLine;
    EXPECT_FALSE(byText.table->acrossTexts);
    EXPECT_EQ(byText.table->texts, (std::vector<std::string>{"texts/a.txt", "b.txt"}));
    const auto& cat = byText.table->counts.at("кот");
    ASSERT_EQ(cat.size(), 2u);
    EXPECT_EQ(cat[1].text, 1u);
    EXPECT_EQ(cat[1].count, 2u);
    EXPECT_FALSE(cat[1].firstPosition);

    corpus::EchoscanSummary echoscan;
    echoscan.add(0, {"a.txt", {{utf8ToCp1251(" мама "), 2}}});
    const auto fragments =
        readSummaryTable(produced([&](const auto& sink) { echoscan.produceSummary(sink); }));
    ASSERT_TRUE(fragments.table) << fragments.badLine;
    EXPECT_EQ(fragments.table->terms, SummaryTerms::Fragments);
    EXPECT_EQ(fragments.table->rows[0].term, " мама ");
    EXPECT_TRUE(isSummaryHeader("fragment\ttotal\ttexts\tlength\r\nx"));
    EXPECT_FALSE(isSummaryHeader("word\tobserved\texpected\tratio\tz\tp\tq\n"));
}

TEST(SummaryFiles, TakeSignificanceColumnsAndAcrossTextPositions) {
    const auto table = readSummaryTable(
        "fragment\ttotal\ttexts\tlength\texpected\tratio\tq\n"
        "мама мыла\t4\t2\t9\t1.5\t2.667\t3.00e-03\n"
        "ма\t9\t3\t2\t9\t1\t-\n");
    ASSERT_TRUE(table.table) << table.badLine;
    EXPECT_EQ(table.table->qColumn, 5u);
    EXPECT_FALSE(table.table->rows[1].numbers[5].value);

    const auto across = readSummaryByText(
        "text\tfragment\tcount\tfirst_position\n"
        "a.txt\tмама мыла\t3\t1\n"
        "b.txt\tмама мыла\t1\t17\n"
        "a.txt\tма\t5\t1\n",
        SummaryTerms::Fragments);
    ASSERT_TRUE(across.table) << across.badLine;
    EXPECT_TRUE(across.table->acrossTexts);
    EXPECT_EQ(across.table->texts, (std::vector<std::string>{"a.txt", "b.txt"}));
    const auto& shared = across.table->counts.at("мама мыла");
    ASSERT_EQ(shared.size(), 2u);
    EXPECT_EQ(shared[1].firstPosition, 17u);
    EXPECT_EQ(across.table->counts.at("ма")[0].text, 0u);
}

TEST(SummaryFiles, NameTheFirstLineThatDoesNotRead) {
    const std::string words = "word\ttotal\ttexts\tper_million\tdp\n";
    const struct {
        const char* what;
        std::string file;
        std::size_t badLine;
    } summaries[] = {
        {"empty", "", 1},
        {"a significance file", "word\tobserved\texpected\tratio\tz\tp\tq\n", 1},
        {"a missing column", words + "кот\t5\t2\t1000.00\n", 2},
        {"no term", words + "кот\t5\t2\t1000.00\t0.1\n\t5\t2\t1000.00\t0.1\n", 3},
        {"a word for a number", words + "кот\tпять\t2\t1000.00\t0.1\n", 2},
        {"a dash outside q", words + "кот\t5\t-\t1000.00\t0.1\n", 2},
    };
    for (const auto& c : summaries) {
        const auto reading = readSummaryTable(c.file);
        EXPECT_FALSE(reading.table) << c.what;
        EXPECT_EQ(reading.badLine, c.badLine) << c.what;
    }
    const struct {
        const char* what;
        SummaryTerms terms;
        std::string file;
        std::size_t badLine;
    } byTexts[] = {
        {"empty", SummaryTerms::Words, "", 1},
        {"fragments for words", SummaryTerms::Words, "text\tfragment\tcount\n", 1},
        {"across for words", SummaryTerms::Words, "text\tfragment\tcount\tfirst_position\n", 1},
        {"a zero count", SummaryTerms::Words, "text\tword\tcount\na.txt\tкот\t0\n", 2},
        {"no position", SummaryTerms::Fragments,
         "text\tfragment\tcount\tfirst_position\na.txt\tма\t2\t1\na.txt\tмы\t2\n", 3},
        {"no text", SummaryTerms::Fragments, "text\tfragment\tcount\n\tма\t2\n", 2},
    };
    for (const auto& c : byTexts) {
        const auto reading = readSummaryByText(c.file, c.terms);
        EXPECT_FALSE(reading.table) << c.what;
        EXPECT_EQ(reading.badLine, c.badLine) << c.what;
    }
}

TEST(SummaryFiles, TheByTextFileIsNamedAsTheRunNamesIt) {
    for (const char* name : {"corpus.tsv", "/data/run.1/corpus.tsv", "corpus", "a/b.c.tsv"}) {
        EXPECT_EQ(summaryByTextPath(name), corpus::byTextPath(name)) << name;
    }
}

// A relative text is looked for beside the summary, then in the current folder;
// its letters are those Embed's search counts.
TEST(SummaryFiles, TextsAreFoundAndTheirLettersCounted) {
    testing::TempFolder summaryFolder;
    testing::TempFolder current;
    const std::string russian = utf8ToCp1251("Кот, ёж и ель: три слова. Cat!");
    std::filesystem::create_directory(summaryFolder / "texts");
    std::filesystem::create_directory(current / "texts");
    summaryFolder.write("texts/a.txt", russian);
    current.write("texts/a.txt", "other");
    current.write("b.txt", "Two words");
    const auto absolute = (current / "b.txt").string();
    const struct {
        std::string name;
        std::optional<std::filesystem::path> found;
    } cases[] = {
        {"texts/a.txt", summaryFolder / "texts/a.txt"},
        {"b.txt", current / "b.txt"},
        {absolute, current / "b.txt"},
        {"c.txt", std::nullopt},
        {"texts", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(locateSummaryText(c.name, summaryFolder.path(), current.path()), c.found)
            << c.name;
    }
    const auto measured = measureSummaryText("texts/a.txt", summaryFolder.path(), current.path());
    ASSERT_TRUE(measured);
    EXPECT_EQ(measured->language, Language::Russian);
    EXPECT_EQ(measured->letters, embed::prepareLetters(russian, Language::Russian).letterCount());
    EXPECT_FALSE(measureSummaryText("c.txt", summaryFolder.path(), current.path()));
    EXPECT_DOUBLE_EQ(perMillionLetters(3, 1000), 3000.0);
    EXPECT_EQ(perMillionLetters(3, 0), 0.0);
}

// Every text has a value: per million of its letters, its bare count where its
// letters are unknown, 0 where the term is not.
TEST(SummaryFiles, ATermHasAValueInEveryText) {
    const std::vector<std::optional<std::uint64_t>> letters = {500, std::nullopt, 2000, 0};
    const auto values = perTextValues({{2, 3, std::nullopt}, {1, 7, 4}, {0, 1, 1}}, letters);
    ASSERT_EQ(values.size(), 4u);
    const struct {
        double value;
        bool perMillion;
    } expected[] = {{2000.0, true}, {7.0, false}, {1500.0, true}, {0.0, true}};
    for (std::size_t text = 0; text < values.size(); ++text) {
        EXPECT_DOUBLE_EQ(values[text].value, expected[text].value) << text;
        EXPECT_EQ(values[text].perMillion, expected[text].perMillion) << text;
    }
}

}  // namespace
}  // namespace undertext
