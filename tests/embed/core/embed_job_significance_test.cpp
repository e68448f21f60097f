#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "embed/core/embed_job.h"
#include "embed/core/embedded_search.h"
#include "embed/core/significance/expected_count.h"
#include "embed/core/significance/significance.h"
#include "embed/core/significance/significance_table.h"
#include "testing/literal/embed_search.h"
#include "testing/support/recording_job.h"
#include "testing/support/temp_folder.h"

namespace undertext::embed {
namespace {

using testing::cp;
using undertext::testing::RecordingJob;

constexpr const char* kSignificanceFile = "t.txt_EmbSignificance.tsv";

using Words = std::vector<std::string>;  // UTF-8

class EmbedJobSignificance : public ::testing::Test {
  protected:
    // Runs the job on t.txt (its bytes as given) with the module M.DIC of words.
    EmbedOutcome run(const std::string& textBytes, const Words& words, std::optional<int> order,
                     bool writeReports = true) {
        std::string module;
        for (const auto& word : words) {
            module += cp(word) + "\r\n";
        }
        folder.write("t.txt", textBytes);
        modules.write("M.DIC", module);
        EmbedRequest request{
            folder.path(), "t.txt", Language::Russian, {"M.DIC"}, modules.path(), nullptr, {},
            order};
        request.writeReports = writeReports;
        RecordingJob job;
        return embedJob(request, job);
    }

    bool allFourReports() const {
        for (const auto* suffix :
             {"_Emb.txt", "_EmbSortByFriq.txt", "_EmbSortByLen.txt", "_EmbSortByAlf.txt"}) {
            if (!folder.exists("t.txt" + std::string(suffix))) {
                return false;
            }
        }
        return true;
    }

    undertext::testing::TempFolder folder, modules;
};

// The file the significance core makes of the same text and words.
std::string expectedTsv(const std::string& cp1251Text, const Words& words, int order) {
    const auto prepared = prepareLetters(cp1251Text, Language::Russian);
    Words dictionary;
    for (const auto& word : words) {
        dictionary.push_back(cp(word));
    }
    const auto dicWords = testing::dicWordsOf(dictionary);
    const auto found = EmbeddedSearch(prepared, dicWords).embeddedWords();
    const auto assessed = assessSignificance(prepared, dicWords, found, Language::Russian, order);
    return significanceTsv(assessed.table.rows);
}

TEST_F(EmbedJobSignificance, TheFileIsWrittenOnlyWhenAskedAndHoldsTheCoreRows) {
    const char* text = "котел и котлета, кот ел. Там отел кот, и кот ел котлеты.";
    const Words words = {"котел", "тел", "кот", "отел", "ел"};
    const struct {
        std::string bytes;  // the text file as written: Windows-1251 or UTF-8
        std::optional<int> order;
    } cases[] = {{cp(text), std::nullopt}, {cp(text), 1}, {cp(text), 0}, {text, 2}};
    for (const auto& c : cases) {
        std::filesystem::remove(folder / kSignificanceFile);
        const auto outcome = run(c.bytes, words, c.order);
        ASSERT_EQ(outcome.ending, JobEnding::Completed);
        EXPECT_TRUE(outcome.results.significanceNote.empty());
        EXPECT_TRUE(allFourReports());
        ASSERT_EQ(folder.exists(kSignificanceFile), c.order.has_value());
        if (c.order) {
            // UTF-8 whatever the text's encoding.
            const auto written = folder.read(kSignificanceFile);
            EXPECT_EQ(written, expectedTsv(cp(text), words, *c.order)) << *c.order;
            EXPECT_NE(written.find("котел\t"), std::string::npos);
        }
    }
}

// The text's model comes back for a corpus summary whether or not the run writes
// its reports or finds anything, and only when an order is asked.
TEST_F(EmbedJobSignificance, TheResultsKeepTheTextsModel) {
    const char* text = "котел и котлета, кот ел. Там отел кот.";
    const auto prepared = prepareLetters(cp(text), Language::Russian);
    const struct {
        Words words;
        std::optional<int> order;
        bool writeReports;
        JobEnding ending;
    } cases[] = {
        {{"кот"}, 1, true, JobEnding::Completed},
        {{"кот"}, 2, false, JobEnding::Completed},
        {{"мама"}, 0, false, JobEnding::NothingFound},
        {{"мама"}, 1, true, JobEnding::NothingFound},
        {{"кот"}, std::nullopt, false, JobEnding::Completed},
    };
    for (const auto& c : cases) {
        const auto outcome = run(cp(text), c.words, c.order, c.writeReports);
        ASSERT_EQ(outcome.ending, c.ending) << c.words[0];
        ASSERT_EQ(outcome.results.textModel.has_value(), c.order.has_value()) << c.words[0];
        if (c.order) {
            const LetterModel model(prepared.letters, *c.order);
            EXPECT_EQ(outcome.results.textModel->expectedCount(cp("кот")),
                      expectedCount(model, CountablePositions(prepared), cp("кот")))
                << *c.order;
        }
    }
}

TEST_F(EmbedJobSignificance, ARefusalLeavesANoteAndTheReports) {
    const struct {
        const char* text;
        Words words;
        int order;
        SignificanceRefusal refusal;
    } cases[] = {
        {"кот ел", {"котел"}, 3, SignificanceRefusal::ModelOrderOutOfRange},
        {"кот ел", {"котел"}, -1, SignificanceRefusal::ModelOrderOutOfRange},
        {"к от", {"кот"}, 2, SignificanceRefusal::TextTooShort},
        {"кот ел", {"от", "ел"}, 1, SignificanceRefusal::NothingTestable},
    };
    for (const auto& c : cases) {
        const auto outcome = run(cp(c.text), c.words, c.order);
        EXPECT_EQ(outcome.ending, JobEnding::Completed) << c.text;
        EXPECT_EQ(outcome.results.significanceNote, refusalMessage(c.refusal, c.order));
        EXPECT_TRUE(allFourReports()) << c.text;
        EXPECT_FALSE(folder.exists(kSignificanceFile)) << c.text;
    }
}

TEST_F(EmbedJobSignificance, AFileThatCannotBeWrittenFailsTheRunNamingIt) {
    std::filesystem::create_directory(folder / kSignificanceFile);
    const auto outcome = run(cp("кот ел"), {"котел"}, 1);
    EXPECT_EQ(outcome.ending, JobEnding::Failed);
    EXPECT_NE(outcome.message.find(kSignificanceFile), std::string::npos);
    EXPECT_TRUE(allFourReports());
}

}  // namespace
}  // namespace undertext::embed
