#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/core/codepage.h"
#include "tests/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

// Runs undertext echoscan with the arguments; standard error goes to folder/stderr.txt.
int runUndertext(const TempFolder& folder, const std::string& arguments) {
    const std::string command = std::string(UNDERTEXT_BINARY) + " echoscan " + arguments + " >" +
                                (folder / "stdout.txt").string() + " 2>" +
                                (folder / "stderr.txt").string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(EchoscanCommand, WritesThePreparedTextAndReportsBesideTheText) {
    TempFolder folder;
    folder.write("text.txt", utf8ToCp1251("Мама мыла раму, мама мыла окно.\r\n"));
    const auto file = (folder / "text.txt").string();
    ASSERT_EQ(runUndertext(folder, file + " --min 2"), 0) << folder.read("stderr.txt");
    EXPECT_EQ(folder.read("text.txt_RecPrep.txt"), utf8ToCp1251("мама мыла раму мама мыла окно "));
    const auto report = cp1251ToUtf8(folder.read("text.txt_RecSortByLen.txt"));
    EXPECT_EQ(report.substr(0, report.find('\r')),
              "  СОРТИРОВКА ПО ДЛИНЕ  интервал поиска от 2 до 40 символов.");
    EXPECT_NE(report.find("мама мыла  2       10\r\n"), std::string::npos);
    EXPECT_TRUE(folder.exists("text.txt_RecSortByAlf.txt"));
    EXPECT_TRUE(folder.exists("text.txt_RecSortByFriq.txt"));
    EXPECT_NE(folder.read("stdout.txt").find("text.txt_RecSortByFriq.txt"), std::string::npos);

    // Read as English, the text is one blank: too short.
    EXPECT_EQ(runUndertext(folder, file + " --lang en"), 1);
    EXPECT_NE(folder.read("stderr.txt").find("У вас нет 4 символов"), std::string::npos);
}

TEST(EchoscanCommand, RefusalsAndUsageErrors) {
    TempFolder folder;
    folder.write("text.txt", "some text");
    const auto file = (folder / "text.txt").string();
    EXPECT_EQ(runUndertext(folder, file + " --min abc"), 1);
    EXPECT_NE(folder.read("stderr.txt").find("целыми числами"), std::string::npos);
    EXPECT_EQ(runUndertext(folder, (folder / "absent.txt").string()), 1);
    EXPECT_NE(folder.read("stderr.txt").find("absent.txt"), std::string::npos);
    EXPECT_EQ(runUndertext(folder, ""), 2);
    EXPECT_EQ(runUndertext(folder, file + " --lang de"), 2);
    EXPECT_EQ(runUndertext(folder, file + " --depth 3"), 2);
}

}  // namespace
}  // namespace undertext
