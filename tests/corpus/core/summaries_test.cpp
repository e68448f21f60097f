#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "common/core/text/codepage.h"
#include "corpus/core/across_summary.h"
#include "corpus/core/echoscan_summary.h"
#include "corpus/core/embed_summary.h"
#include "testing/support/temp_folder.h"

namespace undertext::corpus {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

// A table's text as its producer hands it out.
template <typename Summary>
std::pair<std::string, std::string> tables(Summary& summary) {
    std::pair<std::string, std::string> text;
    summary.produceSummary([&](std::string_view piece) { text.first += piece; });
    summary.produceByText([&](std::string_view piece) { text.second += piece; });
    return text;
}

EmbedTextRecord embedRecord(std::string text, std::uint64_t letters,
                            std::vector<std::pair<const char*, int>> words) {
    EmbedTextRecord record{std::move(text), letters, {}};
    for (const auto& [word, count] : words) {
        const auto bytes = cp(word);
        record.words.push_back({bytes, count, static_cast<int>(bytes.size())});
    }
    return record;
}

// Worked by hand. Texts A, B, C with 100, 300 and 600 letters: s = .1, .3, .6 of
// the corpus's 1000.
// - «кот» 2 in A, 8 in C: total 10, per million 10 × 10^6 / 1000 = 10000;
//   v = .2, 0, .8: dp = (|.2 - .1| + |0 - .3| + |.8 - .6|) / 2 = (.1 + .3 + .2) / 2 = .3.
// - «ток» 1, 3, 6: v = s, dp = 0.
// - «cat» 10 in B: v = 0, 1, 0: dp = (.1 + .7 + .6) / 2 = .7.
// - «а» 3 in A: per million 3000; v = 1, 0, 0: dp = (.9 + .3 + .6) / 2 = .9.
// - «ел» 1 in B: per million 1000; dp = .7 as for «cat».
// Rows by total, then by bytes: Latin before Cyrillic, «кот» before «ток».
TEST(EmbedSummary, DispersionPerMillionAndOrderOfAWorkedExample) {
    EmbedSummary summary;
    // Added as a pool may finish them; the by-text rows follow the texts' places.
    summary.add(2, embedRecord("C.txt", 600, {{"кот", 8}, {"ток", 6}}));
    summary.add(0, embedRecord("A.txt", 100, {{"ток", 1}, {"кот", 2}, {"а", 3}}));
    summary.add(1, embedRecord("B.txt", 300, {{"ел", 1}, {"ток", 3}, {"cat", 10}}));
    const auto [main, byText] = tables(summary);
    EXPECT_EQ(main,
              "word\ttotal\ttexts\tper_million\tdp\n"
              "cat\t10\t1\t10000.00\t0.700\n"
              "кот\t10\t2\t10000.00\t0.300\n"
              "ток\t10\t3\t10000.00\t0.000\n"
              "а\t3\t1\t3000.00\t0.900\n"
              "ел\t1\t1\t1000.00\t0.700\n");
    EXPECT_EQ(byText,
              "text\tword\tcount\n"
              "A.txt\tа\t3\nA.txt\tкот\t2\nA.txt\tток\t1\n"
              "B.txt\tcat\t10\nB.txt\tток\t3\nB.txt\tел\t1\n"
              "C.txt\tкот\t8\nC.txt\tток\t6\n");
}

// A text without words still counts in the corpus's letters and in dp.
// Texts added from four threads at once, which fill parts of the table merged at
// the end, give the same tables as the same texts added from one thread.
TEST(EmbedSummary, TextsAddedFromManyThreadsGiveTheSameTables) {
    std::vector<EmbedTextRecord> records;
    for (int t = 0; t < 48; ++t) {
        std::vector<std::pair<const char*, int>> words;
        static const char* const pool[] = {"кот", "ток", "ел", "а", "cat", "котел", "лето"};
        for (int w = 0; w < 7; ++w) {
            if ((t + w) % 3 != 0) {
                words.emplace_back(pool[w], (t * 7 + w) % 5 + 1);
            }
        }
        records.push_back(embedRecord("t" + std::to_string(t), 100 + t, words));
    }
    EmbedSummary serial;
    for (std::size_t t = 0; t < records.size(); ++t) {
        serial.add(t, records[t]);
    }
    EmbedSummary shared;
    std::atomic<std::size_t> next{0};
    {
        std::vector<std::jthread> threads;
        for (int thread = 0; thread < 4; ++thread) {
            threads.emplace_back([&] {
                for (auto t = next++; t < records.size(); t = next++) {
                    shared.add(records.size() - 1 - t, records[records.size() - 1 - t]);
                }
            });
        }
    }
    EXPECT_EQ(shared.textCount(), records.size());
    EXPECT_EQ(tables(shared), tables(serial));
}

// Enough counts for the by-text rows to be made in several blocks at once: the
// texts still follow in their order, each text's rows by count, then by bytes.
TEST(EmbedSummary, AByTextTableMadeInBlocksKeepsTheTextsOrder) {
    EmbedSummary summary;
    std::string expected = "text\tword\tcount\n";
    constexpr int kTexts = 24;
    constexpr int kWords = 16000;
    std::vector<EmbedTextRecord> records(kTexts);
    for (int t = 0; t < kTexts; ++t) {
        records[t].text = "t" + std::to_string(t);
        std::vector<std::pair<int, std::string>> rows;  // (count turned over, word)
        for (int w = 0; w < kWords; ++w) {
            const auto word = "w" + std::to_string((w * 7919 + t) % kWords);
            const int count = (w + t) % 5 + 1;
            records[t].words.push_back({word, count, static_cast<int>(word.size())});
            rows.emplace_back(-count, word);
        }
        std::sort(rows.begin(), rows.end());
        for (const auto& [count, word] : rows) {
            expected += records[t].text + "\t" + word + "\t" + std::to_string(-count) + "\n";
        }
    }
    for (int t = kTexts - 1; t >= 0; --t) {
        summary.add(static_cast<std::size_t>(t), records[t]);
    }
    std::string byText;
    summary.produceByText([&](std::string_view piece) { byText += piece; });
    EXPECT_TRUE(byText == expected);  // not printed: 384,000 rows
}

TEST(EmbedSummary, ATextWithoutWordsCounts) {
    EmbedSummary summary;
    summary.add(0, embedRecord("A.txt", 250, {{"кот", 4}}));
    summary.add(1, embedRecord("B.txt", 750, {}));
    EXPECT_EQ(tables(summary).first,
              "word\ttotal\ttexts\tper_million\tdp\n"
              "кот\t4\t1\t4000.00\t0.750\n");  // (|1 - .25| + .75) / 2
    EXPECT_EQ(summary.textCount(), 2U);
}

// A path may hold a tab or a line break; each row still has its three fields.
TEST(EmbedSummary, ATextNameWithATabOrALineBreakStaysOneField) {
    EmbedSummary summary;
    summary.add(1, embedRecord("b\nc.txt", 100, {{"кот", 1}}));
    summary.add(0, embedRecord("a\tb.txt", 100, {{"кот", 2}, {"ток", 2}}));
    EXPECT_EQ(tables(summary).second,
              "text\tword\tcount\n"
              "a b.txt\tкот\t2\na b.txt\tток\t2\n"
              "b c.txt\tкот\t1\n");
}

TEST(EchoscanSummary, FragmentsWithBlanksByTotalThenBytes) {
    EchoscanSummary summary;
    summary.add(1, {"B.txt", {{cp("ма"), 1}, {cp("мам"), 2}, {cp(" м"), 2}}});
    summary.add(0, {"A.txt", {{cp("ма"), 3}, {cp(" м"), 2}}});
    const auto [main, byText] = tables(summary);
    EXPECT_EQ(main,
              "fragment\ttotal\ttexts\tlength\n"
              " м\t4\t2\t2\n"
              "ма\t4\t2\t2\n"
              "мам\t2\t1\t3\n");
    EXPECT_EQ(byText,
              "text\tfragment\tcount\n"
              "A.txt\tма\t3\nA.txt\t м\t2\n"
              "B.txt\t м\t2\nB.txt\tмам\t2\nB.txt\tма\t1\n");
}

TEST(AcrossSummary, RowsAndFirstPositionsOfTheSharedFragments) {
    const std::vector<std::string_view> texts = {"abcdqabzz", "abcdxy"};
    UnwatchedJob job;
    const auto found = echoscan::findSharedFragments(texts, 2, 40, false, job).value();
    std::vector<std::uint64_t> positions;  // made up: 100 + the share's index
    for (std::size_t share = 0; share < found.shares.size(); ++share) {
        positions.push_back(100 + share);
    }
    const std::vector<std::string> names = {"one\ttab.txt", "two.txt"};
    const AcrossSummary summary{found, texts, names, positions};
    const auto [main, byText] = tables(summary);
    EXPECT_EQ(main,
              "fragment\ttotal\ttexts\tlength\n"
              "ab\t3\t2\t2\n"
              "abcd\t2\t2\t4\n");
    // found.fragments: «ab», then «abcd» (by length); each share's made-up position.
    const auto position = [&](std::size_t fragment, std::size_t text) {
        const auto& share = found.sharesOf(found.fragments[fragment])[text];
        return std::to_string(positions[static_cast<std::size_t>(&share - found.shares.data())]);
    };
    EXPECT_EQ(byText,
              "text\tfragment\tcount\tfirst_position\n"
              "one tab.txt\tab\t2\t" +
                  position(0, 0) +
                  "\n"
                  "one tab.txt\tabcd\t1\t" +
                  position(1, 0) +
                  "\n"
                  "two.txt\tab\t1\t" +
                  position(0, 1) +
                  "\n"
                  "two.txt\tabcd\t1\t" +
                  position(1, 1) + "\n");
}

TEST(SummaryFiles, ByTextPathAndDecimals) {
    const std::pair<const char*, const char*> paths[] = {{"corpus.tsv", "corpus.by-text.tsv"},
                                                         {"out/corpus", "out/corpus.by-text"},
                                                         {"a.b.tsv", "a.b.by-text.tsv"},
                                                         {".hidden", ".hidden.by-text"}};
    for (const auto& [summary, byText] : paths) {
        EXPECT_EQ(byTextPath(summary), std::filesystem::path(byText)) << summary;
    }
    EXPECT_EQ(fixedDecimal(2.5, 2), "2.50");
    EXPECT_EQ(fixedDecimal(1e6 / 3, 2), "333333.33");
    EXPECT_EQ(fixedDecimal(0.0006, 3), "0.001");
    EXPECT_EQ(fixedDecimal(0, 3), "0.000");
}

TEST(SummaryFiles, BothFilesOrNeither) {
    testing::TempFolder folder;
    EmbedSummary summary;
    summary.add(0, embedRecord("A.txt", 10, {{"кот", 1}}));
    ASSERT_TRUE(summary.write(folder / "corpus.tsv"));
    const auto [main, byText] = tables(summary);
    EXPECT_EQ(folder.read("corpus.tsv"), main);
    EXPECT_EQ(folder.read("corpus.by-text.tsv"), byText);

    // One of the two cannot be written: the other stays as it was.
    folder.write("old.tsv", "old");
    std::filesystem::create_directory(folder / "old.by-text.tsv");
    folder.write("dir.by-text.tsv", "old");
    std::filesystem::create_directory(folder / "dir.tsv");
    for (const char* name : {"old.tsv", "dir.tsv"}) {
        const auto written = summary.write(folder / name);
        EXPECT_FALSE(written) << name;
    }
    EXPECT_EQ(folder.read("old.tsv"), "old");
    EXPECT_EQ(folder.read("dir.by-text.tsv"), "old");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 6U);  // no temporary file left
}

}  // namespace
}  // namespace undertext::corpus
