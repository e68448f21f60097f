#include "echoscan/core/remembered_range.h"

#include <gtest/gtest.h>

#include "testing/support/temp_folder.h"

namespace undertext::echoscan {
namespace {

TEST(RememberedRange, WrittenRangesComeBackAndMalformedFilesAreIgnored) {
    testing::TempFolder start;
    EXPECT_EQ(readRememberedRange(start.path()), std::nullopt);
    const LengthRange range{"6", "12"};
    ASSERT_TRUE(writeRememberedRange(start.path(), range));
    EXPECT_EQ(start.read(kLastRangeFile), "6 12\r\n");
    EXPECT_EQ(readRememberedRange(start.path()), range);

    const char* malformed[] = {
        "",         "6 12", "6\r\n", "6 12 3\r\n", "six 12\r\n", " 12\r\n", "6 1234567890\r\n",
        "-6 12\r\n"};
    for (const char* content : malformed) {
        start.write(kLastRangeFile, content);
        EXPECT_EQ(readRememberedRange(start.path()), std::nullopt) << content;
    }
    // The name is found whatever its letter case.
    std::filesystem::remove(start / kLastRangeFile);
    start.write("LASTRANGE.TXT", "3 9\r\n");
    EXPECT_EQ(readRememberedRange(start.path()), (LengthRange{"3", "9"}));
}

}  // namespace
}  // namespace undertext::echoscan
