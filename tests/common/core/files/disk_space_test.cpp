#include "common/core/files/disk_space.h"

#include <gtest/gtest.h>

#include "testing/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

TEST(DiskSpace, RefusesWhatWouldNotFitAndNamesTheSize) {
    const std::pair<std::uint64_t, const char*> sizes[] = {
        {1000, "1000 байт"},
        {1024, "1,0 КБ"},
        {1025, "1,1 КБ"},
        {5 * 1024 * 1024, "5,0 МБ"},
        {7409285, "7,1 МБ"},
        {std::uint64_t{6900} << 20, "6,8 ГБ"},
        {std::uint64_t{3} << 50, "3145728,0 ГБ"}};
    for (const auto& [bytes, text] : sizes) {
        EXPECT_EQ(sizeText(bytes), text);
    }
    TempFolder folder;
    EXPECT_TRUE(ensureRoomFor(folder / "r.txt", 1000));
    const auto refused = ensureRoomFor(folder / "r.txt", std::uint64_t{3} << 50);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("Для него нужно 3145728,0 ГБ, а на диске свободно "),
              std::string::npos)
        << refused.error();
}

}  // namespace
}  // namespace undertext
