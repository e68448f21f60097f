#include "embed/core/embedded_search.h"

#include <gtest/gtest.h>

#include "tests/embed/core/embed_test_support.h"

namespace undertext::embed {
namespace {

using testing::cp;

// EmbeddedWords in discovery order as "word count" pairs, e.g. "котел 1, тел 1".
std::string embeddedIn(const std::string& text, const std::vector<std::string>& words,
                       std::uint64_t* occurrences = nullptr) {
    const auto prepared = prepareLetters(cp(text), Language::Russian);
    std::vector<std::string> dictionary;
    for (const auto& word : words) {
        dictionary.push_back(cp(word));
    }
    const auto dicWords = testing::dicWordsOf(dictionary);
    const EmbeddedSearch search(prepared, dicWords);
    if (occurrences != nullptr) {
        *occurrences = search.occurrenceCount();
    }
    std::string found;
    for (const auto& word : search.embeddedWords()) {
        found += (found.empty() ? "" : ", ") + cp1251ToUtf8(word.word) + " " +
                 std::to_string(word.count);
    }
    return found;
}

TEST(EmbeddedSearch, WholeWordsAreLeftOutAndCrossingWordsCount) {
    std::uint64_t occurrences = 0;
    EXPECT_EQ(embeddedIn("кот ел", {"котел", "тел", "ел", "кот"}, &occurrences), "котел 1, тел 1");
    EXPECT_EQ(occurrences, 2U);
    // A word equal to one text word still counts inside another.
    EXPECT_EQ(embeddedIn("кот скотина", {"кот"}), "кот 1");
}

TEST(EmbeddedSearch, OverlapsAndDuplicateEntriesAllCount) {
    EXPECT_EQ(embeddedIn("банана", {"ана"}), "ана 2");
    std::uint64_t occurrences = 0;
    EXPECT_EQ(embeddedIn("банана", {"нан", "ана", "нан"}, &occurrences), "нан 2, ана 2");
    EXPECT_EQ(occurrences, 4U);
}

TEST(EmbeddedSearch, ExclusionLooksOnlyAtTheSlotOfTheFirstLetter) {
    // Letters «аааб»: «аа» starts at 1 and at 2, both in the slot «аа», so both
    // are left out, although the second runs into the slot «аб».
    EXPECT_EQ(embeddedIn("аа аб", {"аа", "а"}), "а 3");
    EXPECT_EQ(embeddedIn("аа аб", {"аб", "а"}), "а 3");
}

TEST(EmbeddedSearch, EntriesThatAreNotLowerCaseLettersNeverMatch) {
    EXPECT_EQ(embeddedIn("котел", {"", "Кот", "ко т", "ёж"}), "");
    EXPECT_EQ(embeddedIn("...", {"а"}), "");
}

}  // namespace
}  // namespace undertext::embed
