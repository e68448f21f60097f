#include <gtest/gtest.h>

#include "create/core/results_file.h"
#include "testing/support/temp_folder.h"
#include "testing/support/test_data.h"
#include "tests/create/core/create_test_support.h"

namespace undertext::create::testing {
namespace {

std::string rep(char c, std::size_t n) {
    return std::string(n, c);
}

TEST(ResultsFile, CatTopReadsAsWritten) {
    const auto analysis = analyse({"orca", "tart", "opal"}, "cat top");
    const auto bytes = resultsFileText("cat top  ", "orca tart tart opal ", analysis);
    // An empty list's header is followed by two empty lines, a filled one by one.
    const auto start = undertext::testing::testData("create/core/results_file/cat_top_start.txt");
    EXPECT_EQ(bytes.substr(0, start.size()), start);
    const auto text = cp1251ToUtf8(bytes);
    const auto refrain =
        "--Рефрен R--------------------------------------------\" CAT \"" + rep('-', 17);
    EXPECT_NE(text.find("\r\n" + refrain + "\r\n\r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\ntart (2,1)  \r\n"), std::string::npos);
    // The last word's Wp2E list is empty: the file ends with its header's line end.
    EXPECT_TRUE(
        text.ends_with("\r\n--Предыдущее правое и текущее вложенное слово Wp2E----\" TOP \"" +
                       rep('-', 17) + "\r\n"));
}

TEST(ResultsFile, DifferencesAreAbsoluteAndAFilledLastListEndsTheFile) {
    const auto longWord = resultsFileText(rep('x', 57), "", analyse({}, "abcdefghijklmnopqrstuv"));
    EXPECT_TRUE(longWord.starts_with(
        undertext::testing::testData("create/core/results_file/long_word_start.txt")));
    const auto text = resultsFileText("ab bc  ", "", analyse({"xa", "ba", "bcb", "cb"}, "ab bc"));
    EXPECT_TRUE(text.ends_with("\r\nbcb (1)  "));
}

// A results file of many pieces holds exactly the whole text; a failed write
// leaves the file that was there.
TEST(SaveResults, StreamedFileHoldsTheWholeText) {
    Strings dic;
    for (int i = 0; i < 30000; ++i) {
        dic.push_back(std::string(1 + i % 7, "abc"[i % 3]) + "ab"[i % 2]);
    }
    const auto analysis = analyse(dic, "ab ba b");
    const auto whole = resultsFileText("ab ba b  ", "ab ba b ", analysis);
    ASSERT_GT(whole.size(), 500000U);  // many pieces
    undertext::testing::TempFolder folder;
    ASSERT_TRUE(saveRez(folder / "r.txt", "ab ba b  ", "ab ba b ", analysis));
    EXPECT_EQ(folder.read("r.txt"), whole);
    folder.write("d", "");
    EXPECT_FALSE(saveRez(folder / "d" / "r.txt", "ab", "", analysis));
    EXPECT_EQ(folder.read("r.txt"), whole);
}

TEST(SaveResults, RemembersTheFolderOnlyWhenTheFileWasWritten) {
    undertext::testing::TempFolder start;
    CreateSession session;
    session.analysis = analyse({"orca", "tart", "opal"}, "cat top");
    const auto failed = saveResults(session, start.path(), start.write("f", "") / "r.txt", "a", "");
    EXPECT_NE(failed.error().find("r.txt"), std::string::npos);
    EXPECT_FALSE(start.exists("LastPathSynth.txt"));
    start.write("LastPathSynth.txt", "x");  // too short to hold a folder
    EXPECT_EQ(saveDialogFolder(session, start.path()), "");
    ASSERT_TRUE(saveResults(session, start.path(), start / "r.txt", "cat top  ", "v "));
    EXPECT_EQ(start.read("r.txt"), resultsFileText("cat top  ", "v ", session.analysis));
    EXPECT_EQ(start.read("LastPathSynth.txt"), start.path().string() + "\r\n");
}

}  // namespace
}  // namespace undertext::create::testing
