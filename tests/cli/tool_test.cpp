#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/core/files/text_lock.h"
#include "common/core/text/codepage.h"
#include "tests/cli/tool_run.h"

namespace undertext::testing {
namespace {

using Words = std::vector<std::string>;

std::string cp(const std::string& utf8) {
    return utf8ToCp1251(utf8);
}

// A folder with a Russian module in dict/, a Russian and an English text in texts/.
struct EmbedFolder : TempFolder {
    EmbedFolder() {
        std::filesystem::create_directories(*this / "texts");
        std::filesystem::create_directories(*this / "dict");
        write("dict/COMMON.DIC", cp("котел\r\nтел\r\nел\r\nкот\r\n"));
        write("texts/a.txt", cp("Кот ел."));
        write("texts/e.txt", "The cat.");
    }
};

TEST(EmbedTool, WritesTheFourReportsBesideTheTextAndSaysWhatWentWrong) {
    EmbedFolder folder;
    // Runs embed --dict-dir dict with the words given; a later --dict-dir wins.
    const auto expectRun = [&](Words words, int status, const std::string& out,
                               const std::string& err) {
        words.insert(words.begin(), {"embed", "--dict-dir", "dict"});
        const auto run = runTool(folder, words);
        EXPECT_EQ(run.status, status) << words[3] << ": " << run.err;
        EXPECT_EQ(run.out, out) << words[3];
        EXPECT_TRUE(contains(run.err, err)) << words[3] << ": " << run.err;
    };
    expectRun({"texts/a.txt"}, 0,
              "texts/a.txt_Emb.txt\ntexts/a.txt_EmbSortByFriq.txt\n"
              "texts/a.txt_EmbSortByLen.txt\ntexts/a.txt_EmbSortByAlf.txt\n",
              "");
    for (const char* report : {"Emb", "EmbSortByFriq", "EmbSortByLen", "EmbSortByAlf"}) {
        EXPECT_TRUE(folder.exists("texts/a.txt_" + std::string(report) + ".txt")) << report;
    }
    // English is guessed from the letters, and there is no English module.
    expectRun({"texts/e.txt"}, 1, "",
              "Выберите модули словарей (в папке \"dict\" нет модуля COMMON_E.DIC).");
    // Nothing found is no failure: the text-order report is written all the same.
    expectRun({"texts/e.txt", "--lang", "ru"}, 0, "texts/e.txt_Emb.txt\n",
              "Вложенных слов не найдено.");
    expectRun({"missing.txt", "--lang", "ru"}, 1, "", "missing.txt");
    expectRun({"texts/a.txt", "--modules", "NONE.DIC"}, 1, "", "NONE.DIC");
    expectRun({"texts/a.txt", "--dict-dir", "nowhere"}, 1, "", "no folder nowhere");
}

TEST(EchoscanTool, WritesThePreparedTextAndReportsAndPassesOnARefusal) {
    TempFolder folder;
    folder.write("text.txt", cp("Мама мыла раму, мама мыла окно.\r\n"));
    const auto done = runTool(folder, {"echoscan", "text.txt", "--min", "2"});
    ASSERT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.out,
              "./text.txt_RecPrep.txt\n./text.txt_RecSortByLen.txt\n./text.txt_RecSortByAlf.txt\n"
              "./text.txt_RecSortByFriq.txt\n");
    // The range given reaches the job and the reports.
    EXPECT_TRUE(contains(folder.read("text.txt_RecSortByLen.txt"), cp("от 2 до 40 символов.")));

    const auto refused = runTool(folder, {"echoscan", "text.txt", "--min", "abc"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err, "целыми числами")) << refused.err;
}

// A set of reports over --max-report-size is refused before anything is written,
// naming its size and the option; a limit it fits, or none, lets it be written.
TEST(BatchTool, ReportSetsOverTheSizeLimitAreRefused) {
    EmbedFolder folder;
    folder.write("text.txt", cp("Мама мыла раму, мама мыла окно.\r\n"));
    struct Case {
        Words args;
        const char* limit;
        int status;
        const char* report;  // one of the set
    };
    const Case cases[] = {
        {{"echoscan", "text.txt", "--min", "2"}, "100", 1, "text.txt_RecSortByLen.txt"},
        {{"echoscan", "text.txt", "--min", "2"}, "1k", 0, "text.txt_RecSortByLen.txt"},
        {{"echoscan", "text.txt", "--min", "2"}, "0", 0, "text.txt_RecSortByLen.txt"},
        {{"embed", "texts/a.txt", "--dict-dir", "dict"}, "10", 1, "texts/a.txt_Emb.txt"},
        {{"embed", "texts/a.txt", "--dict-dir", "dict"}, "1M", 0, "texts/a.txt_Emb.txt"},
    };
    for (auto [args, limit, status, report] : cases) {
        std::filesystem::remove(folder / report);
        std::filesystem::remove(folder / "text.txt_RecPrep.txt");
        args.insert(args.end(), {"--max-report-size", limit});
        const auto run = runTool(folder, args);
        EXPECT_EQ(run.status, status) << limit << ": " << run.err;
        EXPECT_EQ(folder.exists(report), status == 0) << limit;
        if (status != 0) {
            EXPECT_TRUE(contains(run.err, "over --max-report-size " + std::string(limit)))
                << run.err;
            EXPECT_TRUE(run.out.empty()) << run.out;
            EXPECT_FALSE(folder.exists("text.txt_RecPrep.txt"));
        }
    }
}

// While another run holds the text, a run refuses without writing, or, with
// --wait, waits for it to end and then writes its reports.
TEST(BatchTool, ASecondRunOnTheSameTextRefusesOrWaits) {
    TempFolder folder;
    folder.write("text.txt", cp("Мама мыла раму, мама мыла окно.\r\n"));
    struct Case {
        const char* wait;  // an extra word, or null
        int status;
        const char* err;
    };
    const Case cases[] = {
        {nullptr, 1, "another run on text.txt is still going; add --wait"},
        {"--wait", 0, "waiting for another run on text.txt to end"},
    };
    for (const auto& [wait, status, err] : cases) {
        std::filesystem::remove(folder / "text.txt_RecSortByLen.txt");
        std::optional<TextLock> other(folder / "text.txt");
        ASSERT_TRUE(other->tryLock());
        // The other run ends after the refusal, or, for a waiting run, a while
        // after it started (long enough for a slow start under sanitizers).
        std::thread ending([&other, waits = wait != nullptr] {
            if (waits) {
                std::this_thread::sleep_for(std::chrono::seconds(2));
                other.reset();
            }
        });
        Words args{"echoscan", "text.txt", "--min", "2"};
        if (wait) {
            args.push_back(wait);
        }
        const auto run = runTool(folder, args);
        ending.join();
        EXPECT_EQ(run.status, status) << run.err;
        EXPECT_TRUE(contains(run.err, err)) << run.err;
        EXPECT_EQ(folder.exists("text.txt_RecSortByLen.txt"), status == 0);
    }
}

// "cat top" and its like, separated by single spaces plus extra ones to make
// length characters in all.
std::string catTopPhrase(std::size_t length) {
    std::string phrase = "cat";
    while (phrase.size() + 4 <= length) {
        phrase += phrase.size() % 8 == 3 ? " top" : " cat";
    }
    return phrase.insert(3, length - phrase.size(), ' ');
}

TEST(CreateTool, PrintsTheVariantsWritesTheLastAndTakesEightyCharacters) {
    TempFolder folder;
    folder.write("common_e.dic", "orca\r\ntart\r\nopal\r\n");
    folder.write("COMMON.DIC", cp("мамаша\r\nыла\r\nрамушка\r\n"));
    const auto done = runTool(folder, {"create", "cat top", "--variants", "2", "--save", "o.txt"});
    ASSERT_EQ(done.status, 0) << done.err;
    // The two variants of "cat top", in either order; the file holds the second.
    const std::string mode0 = "orca tart tart opal ", mode3 = "orca  tart opal ";
    ASSERT_TRUE(done.out == mode0 + "\n" + mode3 + "\n" || done.out == mode3 + "\n" + mode0 + "\n")
        << done.out;
    EXPECT_TRUE(contains(folder.read("o.txt"), done.out.starts_with(mode0)
                                                   ? "\" ORCA  TART OPAL  \""
                                                   : "\" ORCA TART TART OPAL  \""));
    EXPECT_FALSE(folder.exists("LastPathSynth.txt"));
    EXPECT_EQ(runTool(folder, {"create", "Мама мыла"}).out, "мамаша  мыла  \n");

    ASSERT_EQ(catTopPhrase(80).size(), 80u);
    const auto longest = runTool(folder, {"create", catTopPhrase(80)});
    EXPECT_EQ(longest.status, 0) << longest.err;
    EXPECT_TRUE(longest.out.starts_with("orca ")) << longest.out;
    const auto tooLong = runTool(folder, {"create", catTopPhrase(81)});
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_TRUE(contains(tooLong.err, "80 characters")) << tooLong.err;

    const auto refused = runTool(folder, {"create", "cat", "--modules", "NONE.DIC"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err, "NONE.DIC")) << refused.err;
    // A save the writer refuses is reported; the kinds of target are the writer's own test.
    std::filesystem::create_directory(folder / "d");
    const auto unsaved = runTool(folder, {"create", "cat top", "--save", "d"});
    EXPECT_EQ(unsaved.status, 1);
    EXPECT_TRUE(contains(unsaved.err, "Не удалось записать файл \"d\". Это папка.")) << unsaved.err;
}

TEST(BatchTool, UsageErrorsExitWithTwoAndNameTheFault) {
    TempFolder folder;
    folder.write("t.txt", "text");
    const std::pair<Words, const char*> cases[] = {
        {{"create", "cat", "--save"}, "--save"},
        {{"modules", "extra"}, "modules takes no file"},
        {{"embed"}, "embed takes one text file"},
        {{"embed", "t.txt", "--lang", "de"}, "--lang takes ru or en"},
        {{"echoscan"}, "echoscan takes one FILE"},
        {{"echoscan", "t.txt", "--lang", "fr"}, "--lang takes ru or en"},
        {{"create"}, "create takes one phrase"},
        {{"create", "cat", "--variants", "0"}, "--variants takes a whole number"},
        {{"create", "cat", "--lang", "xx"}, "--lang takes ru or en"},
    };
    for (const auto& [args, message] : cases) {
        const auto run = runTool(folder, args);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_TRUE(contains(run.err, std::string("undertext: ") + message)) << run.err;
    }
}

TEST(BatchTool, OutputThatCannotBeWrittenIsAnErrorAndLeavesGoodFilesAlone) {
    EmbedFolder folder;
    for (const auto& args : {Words{"--help"}, Words{"modules", "--dict-dir", "dict"}}) {
        const auto run = runTool(folder, args, {}, Stdout::Full);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_TRUE(contains(run.err, "cannot write to standard output")) << run.err;
    }

    // A text whose reports outgrow a file-size limit that the messages fit in.
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "Кот ел. ";
    }
    folder.write("texts/a.txt", cp(text));
    ASSERT_EQ(runTool(folder, {"embed", "texts/a.txt", "--dict-dir", "dict"}).status, 0);
    const auto good = folder.read("texts/a.txt_Emb.txt");
    ASSERT_GT(good.size(), 2000u);
    folder.write("texts/a.txt", cp(text + "Тел."));
    const auto cut = runTool(folder, {"embed", "texts/a.txt", "--dict-dir", "dict"}, {2000, false});
    EXPECT_EQ(cut.status, 1);
    EXPECT_TRUE(contains(cut.err, "a.txt_Emb")) << cut.err;
    EXPECT_EQ(folder.read("texts/a.txt_Emb.txt"), good);
    // No temporary file and no letter file stays behind.
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "texts")) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"a.txt", "a.txt_Emb.txt", "a.txt_EmbSortByAlf.txt",
                                            "a.txt_EmbSortByFriq.txt", "a.txt_EmbSortByLen.txt",
                                            "e.txt"}));
}

TEST(BatchTool, AModuleFolderThatCannotBeReadIsNamedSo) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "dict");
    folder.write("dict/COMMON_E.DIC", "orca\r\n");
    ::chmod(folder.path().c_str(), 0755);  // an unprivileged run may enter it
    ::chmod((folder / "dict").c_str(), 0);
    for (const auto& args :
         {Words{"modules", "--dict-dir", "dict"}, Words{"create", "cat", "--dict-dir", "dict"},
          Words{"embed", "e.txt", "--lang", "en", "--dict-dir", "dict"}}) {
        const auto run = runTool(folder, args, {RLIM_INFINITY, true});
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_TRUE(contains(run.err, "cannot read the folder dict: Permission denied"))
            << args[0] << ": " << run.err;
    }
    ::chmod((folder / "dict").c_str(), 0755);
}

}  // namespace
}  // namespace undertext::testing
