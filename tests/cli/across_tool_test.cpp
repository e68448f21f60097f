#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_text.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using Words = std::vector<std::string>;
using Counts = std::map<std::string, std::tuple<std::uint64_t, std::size_t>>;  // total, texts

// The shared fragments by the letter of their definition: every fragment of minLength
// to maxLength within a text's searched part (all but its last two bytes) that
// stands in two texts or more, with its starts in all texts (UTF-8).
Counts sharedByBruteForce(const std::vector<std::string>& prepared, int minLength, int maxLength) {
    std::map<std::string, std::map<std::size_t, std::uint64_t>> starts;
    for (std::size_t t = 0; t < prepared.size(); ++t) {
        const auto searched = prepared[t].substr(0, prepared[t].size() - 2);
        for (int length = minLength; length <= maxLength; ++length) {
            for (std::size_t at = 0; at + length <= searched.size(); ++at) {
                ++starts[searched.substr(at, length)][t];
            }
        }
    }
    Counts shared;
    for (const auto& [fragment, byText] : starts) {
        if (byText.size() >= 2) {
            std::uint64_t total = 0;
            for (const auto& [text, count] : byText) {
                total += count;
            }
            shared[cp1251ToUtf8(fragment)] = {total, byText.size()};
        }
    }
    return shared;
}

Counts summaryRows(const std::string& summary) {
    Counts rows;
    std::istringstream lines(summary);
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string fragment, total, texts;
        std::getline(fields, fragment, '\t');
        std::getline(fields, total, '\t');
        std::getline(fields, texts, '\t');
        rows[fragment] = {std::stoull(total), std::stoul(texts)};
    }
    return rows;
}

TEST(AcrossTool, WithAllLengthsFindsEveryFragmentSharedByTwoTextsAndNothingElse) {
    const char* syllables[] = {"ма", "ра", "ка", "мы", "ла", " ", ", "};
    for (unsigned seed = 1; seed <= 4; ++seed) {
        TempFolder folder;
        std::mt19937 random(seed);
        std::vector<std::string> prepared;
        Words args{"echoscan", "--across", "--all-lengths", "--min", "3", "--max", "7",
                   "--lang",   "ru",       "--summary",     "x.tsv"};
        for (int t = 0; t < 3; ++t) {
            std::string text;
            for (int s = 0; s < 60; ++s) {
                text += syllables[random() % std::size(syllables)];
            }
            const auto name = "t" + std::to_string(t) + ".txt";
            folder.write(name, utf8ToCp1251(text));
            prepared.push_back(
                echoscan::prepareFragmentText(utf8ToCp1251(text), Language::Russian));
            args.push_back(name);
        }
        const auto run = runTool(folder, args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto expected = sharedByBruteForce(prepared, 3, 7);
        EXPECT_FALSE(expected.empty()) << seed;
        EXPECT_EQ(summaryRows(folder.read("x.tsv")), expected) << seed;
    }
}

}  // namespace
}  // namespace undertext::testing
