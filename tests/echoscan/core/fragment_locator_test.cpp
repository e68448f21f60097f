#include "echoscan/core/fragment_locator.h"

#include <gtest/gtest.h>

#include <random>

#include "common/core/text/codepage.h"
#include "echoscan/core/fragment_text.h"
#include "testing/literal/fragment_search.h"
#include "testing/support/recording_job.h"

namespace undertext::echoscan {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

TEST(FragmentLocator, CountedStartsAndTheirSpansInTheSource) {
    constexpr auto ru = Language::Russian;
    const struct {
        const char* text;
        const char* fragment;
        Language language;
        const char* spans;
    } cases[] = {
        // Prepared «мама мыла раму »: «у » ends in the last two bytes, which count for none.
        {"Мама мыла раму.\r\n", "ам", ru, "1-3 11-13"},
        {"Мама мыла раму.\r\n", "у ", ru, ""},
        {"Мама мыла раму.\r\n", "Мама, мыла", ru, "0-9"},
        // A blank at an end stands outside the letters; a lone blank spans its run.
        {"Мама мыла раму.\r\n", " м", ru, "5-6"},
        {"кот, \r\nкот; кот.", " ", ru, "3-7 10-12"},
        {"МАМА,\r\n\tмыла", "а м", ru, "3-9"},
        {"ааааааа", "АаА", ru, "0-3 1-4 2-5"},  // overlaps; the last start is N - L
        {"ёж ёж ёж", "ж ж", ru, "1-5"},         // ё separates
        {"кот", "", ru, ""},
        {"Don't stop, don't", "t s", Language::English, "4-7"},
        {"ab кот ab кот", "b a", Language::English, "1-8"},
    };
    // Each case's spans as "begin-end ...".
    for (const auto& c : cases) {
        std::string found;
        for (const auto& [begin, end] :
             FragmentLocator(cp(c.text), c.language).find(cp(c.fragment))) {
            found += (found.empty() ? "" : " ") + std::to_string(begin) + "-" + std::to_string(end);
        }
        EXPECT_EQ(found, c.spans) << c.text << " / " << c.fragment;
    }
}

std::string randomText(std::mt19937& random, Language language) {
    static const std::vector<std::string> russian = {cp("а"), cp("а"), cp("б"), cp("б"), cp("А"),
                                                     " ",     " ",     "\r\n",  "\n",    "\t",
                                                     ",",     "7",     cp("ё"), cp("Ё"), "x"};
    static const std::vector<std::string> english = {"a", "a",    "b",     "B", " ",
                                                     "'", "\r\n", cp("а"), "\t"};
    const auto& pieces = language == Language::Russian ? russian : english;
    std::string text;
    for (auto length = random() % 30; length > 0; --length) {
        text += pieces[random() % pieces.size()];
    }
    return text;
}

std::size_t preparedLength(std::string_view text, Language language) {
    return prepareFragmentText(text, language).size();
}

TEST(FragmentLocatorOracle, RandomTextsGiveEveryCountedStartAndTheReportsCounts) {
    std::mt19937 random(15);
    for (int round = 0; round < 1500; ++round) {
        const auto language = round % 4 == 3 ? Language::English : Language::Russian;
        const auto text = randomText(random, language);
        SCOPED_TRACE("round " + std::to_string(round) + ": \"" + cp1251ToUtf8(text) + "\"");
        const FragmentLocator locator(text, language);
        const auto prepared = prepareFragmentText(text, language);
        const auto isLetterAt = [&](std::size_t i) {
            return isLetter(static_cast<unsigned char>(text[i]), language);
        };

        for (int k = 0; k < 6 && !prepared.empty(); ++k) {
            const auto fragment = prepared.substr(random() % prepared.size(), 1 + random() % 6);
            std::vector<std::size_t> starts;
            for (std::size_t p = 0; p + fragment.size() + 2 <= prepared.size(); ++p) {
                if (prepared.compare(p, fragment.size(), fragment) == 0) {
                    starts.push_back(p);
                }
            }
            const auto spans = locator.find(fragment);
            ASSERT_EQ(spans.size(), starts.size()) << "\"" << cp1251ToUtf8(fragment) << "\"";
            // Each span is told apart by the prepared length of the text before it.
            for (std::size_t i = 0; i < spans.size(); ++i) {
                const auto [begin, end] = spans[i];
                if (fragment == " ") {
                    EXPECT_TRUE(!isLetterAt(begin) && (begin == 0 || isLetterAt(begin - 1)));
                    EXPECT_TRUE(isLetterAt(end));
                    EXPECT_EQ(preparedLength(text.substr(0, begin), language), starts[i]);
                    EXPECT_EQ(preparedLength(text.substr(0, end), language), starts[i] + 1);
                    continue;
                }
                const auto first = starts[i] + (fragment.front() == ' ' ? 1 : 0);
                const auto last = starts[i] + fragment.size() - (fragment.back() == ' ' ? 1 : 0);
                EXPECT_TRUE(isLetterAt(begin) && isLetterAt(end - 1));
                EXPECT_EQ(preparedLength(text.substr(0, begin), language), first);
                EXPECT_EQ(preparedLength(text.substr(0, end), language), last);
            }
        }

        testing::RecordingJob job;
        const auto listed = testing::literalRecurringFragments(prepared, 1, 8, job);
        for (const auto& fragment : *listed) {
            ASSERT_EQ(locator.find(fragment.text).size(), static_cast<std::size_t>(fragment.count))
                << "\"" << cp1251ToUtf8(fragment.text) << "\"";
        }
    }
}

}  // namespace
}  // namespace undertext::echoscan
