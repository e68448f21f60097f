#include "embed/core/significance/module_family.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "testing/literal/embed_search.h"

namespace undertext::embed {
namespace {

using testing::cp;

// Words of the kinds a module may hold: tested ones, short ones, capitals, ё,
// Latin letters, digits, empty entries; many repeated.
std::vector<std::string> randomModule(std::mt19937& random) {
    const std::vector<std::string> pieces = {cp("а"), cp("б"), cp("в"), cp("а"), cp("б"),
                                             cp("Б"), cp("ё"), "z",     "7"};
    std::vector<std::string> words;
    for (auto count = random() % 60; count > 0; --count) {
        std::string word;
        for (auto length = random() % 5; length > 0; --length) {
            word += pieces[random() % pieces.size()];
        }
        words.push_back(word);
        if (random() % 4 == 0) {
            words.push_back(word);
        }
    }
    return words;
}

bool isTestedRussian(const std::string& word, int order) {
    return word.size() > static_cast<std::size_t>(order) + 1 &&
           std::all_of(word.begin(), word.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 224; });
}

TEST(ModuleFamily, CountsDistinctTestedWordsAndEntriesInAnyOrder) {
    std::mt19937 random(11);
    for (int round = 0; round < 500; ++round) {
        // Sorted modules one after another, or modules in no order.
        std::vector<std::string> words;
        if (round % 2 == 0) {
            for (auto modules = 1 + random() % 3; modules > 0; --modules) {
                auto module = randomModule(random);
                std::sort(module.begin(), module.end());
                words.insert(words.end(), module.begin(), module.end());
            }
        } else {
            for (int modules = 0; modules < 5; ++modules) {
                const auto module = randomModule(random);
                words.insert(words.end(), module.begin(), module.end());
            }
        }
        const int order = static_cast<int>(random() % 3);
        std::map<std::string, std::uint32_t> entries;
        std::set<std::string> tested;
        for (const auto& word : words) {
            ++entries[word];
            if (isTestedRussian(word, order)) {
                tested.insert(word);
            }
        }
        const auto dicWords = testing::dicWordsOf(words);
        // An empty entry is no word: the search never finds it.
        entries.erase("");
        std::vector<EmbeddedWord> found;
        for (const auto& [word, count] : entries) {
            found.push_back({word, count, static_cast<int>(word.size())});
        }
        const ModuleFamily family(dicWords, found, Language::Russian, order);
        EXPECT_EQ(family.testedWords(), tested.size()) << "round " << round;
        for (const auto& [word, count] : entries) {
            EXPECT_EQ(family.entriesOf(word), count) << "round " << round;
            EXPECT_EQ(family.isTested(word), isTestedRussian(word, order));
        }
        EXPECT_EQ(family.entriesOf(cp("гггг")), 1u);
    }
}

TEST(ModuleFamily, LettersOfTheLanguage) {
    const auto words = testing::dicWordsOf({"cats", "Dogs", cp("коты")});
    const ModuleFamily english(words, {}, Language::English, 1);
    const ModuleFamily russian(words, {}, Language::Russian, 1);
    EXPECT_EQ(english.testedWords(), 1u);
    EXPECT_EQ(russian.testedWords(), 1u);
    EXPECT_TRUE(english.isTested("cats"));
    EXPECT_FALSE(russian.isTested("cats"));
}

}  // namespace
}  // namespace undertext::embed
