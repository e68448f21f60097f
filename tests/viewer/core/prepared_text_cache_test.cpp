#include "viewer/core/prepared_text_cache.h"

#include <gtest/gtest.h>

namespace undertext {
namespace {

TEST(PreparedTextCache, KeepsTheMostRecentlyUsedUpToItsCapacity) {
    PreparedTextCache cache(2);
    const auto one = std::make_shared<const PreparedSource>();
    cache.add(1, one);
    cache.add(2, std::make_shared<const PreparedSource>());
    EXPECT_EQ(cache.find(1), one);  // now more recent than 2
    cache.add(3, std::make_shared<const PreparedSource>());
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.find(2), nullptr);
    EXPECT_EQ(cache.find(1), one);
    EXPECT_NE(cache.find(3), nullptr);

    // A text added again replaces its preparation, not another text's.
    const auto again = std::make_shared<const PreparedSource>();
    cache.add(3, again);
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.find(3), again);
    EXPECT_EQ(cache.find(1), one);
}

}  // namespace
}  // namespace undertext
