#include "common/core/text/suffix_index.h"

#include <gtest/gtest.h>

#include <random>

namespace undertext {
namespace {

// Texts from one byte to 20000 over two or three letters, so that patterns stand
// from never to thousands of times (both ways of putting the starts in order).
TEST(SuffixIndex, EveryStartOfEveryPatternInOrder) {
    std::mt19937 random(7);
    for (const std::size_t length : {0, 1, 2, 17, 300, 20000}) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text.push_back("ab\xFF"[random() % (length > 300 ? 2 : 3)]);
        }
        const SuffixIndex index(text);
        for (int k = 0; k < 40; ++k) {
            const auto pattern =
                k == 0 ? std::string() : text.substr(random() % (length + 1), 1 + random() % 9);
            std::vector<std::uint32_t> expected;
            for (auto at = text.find(pattern); !pattern.empty() && at != std::string::npos;
                 at = text.find(pattern, at + 1)) {
                expected.push_back(static_cast<std::uint32_t>(at));
            }
            ASSERT_EQ(index.startsOf(pattern), expected) << length << " " << pattern;
        }
        EXPECT_TRUE(index.startsOf(text + "a").empty());
    }
}

}  // namespace
}  // namespace undertext
