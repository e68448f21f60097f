#include <gtest/gtest.h>

#include <algorithm>

#include "common/core/codepage.h"
#include "create/core/results_file.h"
#include "create_test_support.h"
#include "tests/support/temp_folder.h"

namespace undertext::create::testing {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        result.push_back(cp1251ToUtf8(text.substr(start, end - start)));
        start = end + 2;
    }
    result.push_back(cp1251ToUtf8(text.substr(start)));
    return result;
}

std::string rep(char c, std::size_t n) {
    return std::string(n, c);
}

TEST(ResultsFile, CatTopReadsAsWritten) {
    const auto analysis = analyse({"orca", "tart", "opal"}, "cat top");
    const auto text = resultsFileText("cat top  ", "orca tart tart opal ", analysis);
    const auto all = lines(text);
    ASSERT_GT(all.size(), 12u);
    EXPECT_EQ(all[0], rep('=', 20) + "\" CAT TOP   \"" + rep('=', 44));
    EXPECT_EQ(all[1], "");
    EXPECT_EQ(all[2], rep('-', 15) + "\" ORCA TART TART OPAL  \"" + rep('-', 38));
    EXPECT_EQ(all[3], "");
    EXPECT_EQ(all[4], "");
    EXPECT_EQ(all[5], rep('=', 54) + "\" CAT \"" + rep('=', 16));
    EXPECT_EQ(all[6], "");
    EXPECT_EQ(all[8],
              "--Левое слово  W1----------- 1 ПЕРЕХОД---------------- *C - AT" + rep('-', 15));
    // An empty list's header is followed by two empty lines, a filled one by one.
    EXPECT_EQ(all[9], "");
    EXPECT_EQ(all[11],
              "--Левое слово  W1----------- 2 ПЕРЕХОД---------------- *CA - T" + rep('-', 15));
    EXPECT_EQ(all[12], "orca ");
    EXPECT_EQ(all[13], "");
    EXPECT_EQ(all[14],
              "--Правое слово W2----------- 1 ПЕРЕХОД----------------- C - AT* " + rep('-', 13));
    const auto refrain =
        std::find(all.begin(), all.end(),
                  "--Рефрен R--------------------------------------------\" CAT \"" + rep('-', 17));
    EXPECT_NE(refrain, all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), "tart (2,1)  "), all.end());
    // The last word's Wp2E list is empty: the file ends with its header's line end.
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(all[all.size() - 2],
              "--Предыдущее правое и текущее вложенное слово Wp2E----\" TOP \"" + rep('-', 17));
}

TEST(ResultsFile, DifferencesAreAbsoluteAndAFilledLastListEndsTheFile) {
    const std::string phraseBox(57, 'x');
    const auto longWord = analyse({}, "abcdefghijklmnopqrstuv");
    EXPECT_EQ(lines(resultsFileText(phraseBox, "", longWord))[0],
              rep('=', 20) + "\" " + rep('X', 57) + " \"" + rep('=', 4));
    EXPECT_EQ(lines(resultsFileText(phraseBox, "", longWord))[5],
              rep('=', 54) + "\" ABCDEFGHIJKLMNOPQRSTUV \"" + rep('=', 3));
    const auto text = resultsFileText("ab bc  ", "", analyse({"xa", "ba", "bcb", "cb"}, "ab bc"));
    EXPECT_TRUE(text.ends_with("\r\nbcb (1)  "));
}

TEST(SaveResults, RemembersTheFolderOnlyWhenTheFileWasWritten) {
    undertext::testing::TempFolder start;
    undertext::testing::TempFolder out;
    CreateSession session;
    session.analysis = analyse({"orca", "tart", "opal"}, "cat top");
    const auto blocker = out.write("file.txt", "x");
    const auto failed = saveResults(session, start.path(), blocker / "res.txt", "cat top  ", "");
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error().find("res.txt"), std::string::npos);
    EXPECT_TRUE(session.lastSaveFolder.empty());
    EXPECT_FALSE(start.exists("LastPathSynth.txt"));

    ASSERT_TRUE(
        saveResults(session, start.path(), out / "res.txt", "cat top  ", "orca  tart opal "));
    EXPECT_EQ(out.read("res.txt"),
              resultsFileText("cat top  ", "orca  tart opal ", session.analysis));
    EXPECT_EQ(start.read("LastPathSynth.txt"), out.path().string() + "\r\n");

    CreateSession fresh;
    EXPECT_EQ(saveDialogFolder(fresh, start.path()), out.path());
    start.write("LastPathSynth.txt", "x");
    EXPECT_EQ(saveDialogFolder(fresh, start.path()), out.path());
    EXPECT_EQ(proposedResultsFileName("  cat top  "), "cat top");
}

}  // namespace
}  // namespace undertext::create::testing
