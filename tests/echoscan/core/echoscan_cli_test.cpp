#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "common/core/codepage.h"
#include "tests/support/temp_folder.h"

namespace undertext::echoscan {
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
    const auto file = folder.write("text.txt", utf8ToCp1251("Мама мыла раму, мама мыла окно.\r\n"));
    ASSERT_EQ(runUndertext(folder, file.string() + " --min 2"), 0) << folder.read("stderr.txt");
    EXPECT_EQ(folder.read("text.txt_RecPrep.txt"), utf8ToCp1251("мама мыла раму мама мыла окно "));
    const auto report = cp1251ToUtf8(folder.read("text.txt_RecSortByLen.txt"));
    EXPECT_EQ(report.substr(0, report.find('\r')),
              "  СОРТИРОВКА ПО ДЛИНЕ  интервал поиска от 2 до 40 символов.");
    EXPECT_NE(report.find("мама мыла  2       10\r\n"), std::string::npos);
    for (const char* name : {"RecPrep", "RecSortByLen", "RecSortByAlf", "RecSortByFriq"}) {
        EXPECT_NE(folder.read("stdout.txt").find(name), std::string::npos) << name;
    }
    // Refusals exit with 1 and a message, usage errors with 2.
    const std::tuple<std::string, int, std::string> runs[] = {
        {" --lang en", 1, "У вас нет 4 символов"},
        {" --min abc", 1, "целыми числами"},
        {" --lang de", 2, "--lang"},
        {" --depth 3", 2, "--depth"}};
    for (const auto& [arguments, status, message] : runs) {
        EXPECT_EQ(runUndertext(folder, file.string() + arguments), status) << arguments;
        EXPECT_NE(folder.read("stderr.txt").find(message), std::string::npos) << arguments;
    }
    EXPECT_EQ(runUndertext(folder, (folder / "absent.txt").string()), 1);
    EXPECT_NE(folder.read("stderr.txt").find("absent.txt"), std::string::npos);
    EXPECT_EQ(runUndertext(folder, ""), 2);
}

}  // namespace
}  // namespace undertext::echoscan
