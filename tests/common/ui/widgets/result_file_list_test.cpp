#include "common/ui/widgets/result_file_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include <QTest>

#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"

namespace undertext::ui {
namespace {

TEST(ResultFileList, ListsNothingAtFirstAndHandsAnOpenedEntryToItsOpener) {
    testing::TempFolder folder;
    ResultFileList list;
    std::vector<std::filesystem::path> opened;
    list.setOpener([&](const std::filesystem::path& file) { opened.push_back(file); });
    folder.write("no file at all", "");
    EXPECT_EQ(list.pattern(), QStringLiteral("no file at all"));
    EXPECT_EQ(list.count(), 0);
    list.point(folder.path(), QStringLiteral("a.txt_emb*.*"));
    folder.write("A.TXT_EMB.txt", "");
    EXPECT_EQ(list.count(), 0);
    list.reread();
    ASSERT_EQ(list.count(), 1);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QPoint place = list.visualItemRect(list.item(0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, place);
    EXPECT_EQ(opened, std::vector<std::filesystem::path>{folder / "A.TXT_EMB.txt"});
}

// With the program's report suffixes, only its reports of the chosen source are
// listed, whatever their letter case: never an export, a copy, or the reports of
// another source whose name starts the same.
TEST(ResultFileList, ListsOnlyTheProgramsReportsOfTheSource) {
    testing::TempFolder folder;
    for (const char* name :
         {"a.txt_Emb.txt", "A.TXT_EMBSORTBYFRIQ.TXT", "a.txt_EmbSortByFriq.txt.csv",
          "a.txt_EmbSortByFriq.csv", "a.txt_Emb.tsv", "a.txt_EmbSortByLen.txt.png",
          "a.txt_EmbSortByLen.svg", "a.txt_Emb.txt~", "a.txt_Emb.txt_Emb.txt", "a.txt_RecPrep.txt",
          "a.txt_RecSortByLen.txt", "a.txt_RecSortByLen.txt.csv",
          "a.txt_RecPrep.txt_RecPrep.txt"}) {
        folder.write(name, "");
    }
    const std::vector<std::string> embed = {"_EmbSortByFriq.txt", "_EmbSortByLen.txt",
                                            "_EmbSortByAlf.txt", "_Emb.txt"};
    const std::vector<std::string> echoscan = {"_RecSortByLen.txt", "_RecSortByAlf.txt",
                                               "_RecSortByFriq.txt", "_RecPrep.txt"};
    const struct {
        const std::vector<std::string>& suffixes;
        const char* pattern;
        QStringList listed;
    } cases[] = {
        {embed,
         "a.txt_emb*.*",
         {QStringLiteral("a.txt_Emb.txt"), QStringLiteral("A.TXT_EMBSORTBYFRIQ.TXT")}},
        {echoscan,
         "a.txt_Rec*.*",
         {QStringLiteral("a.txt_RecPrep.txt"), QStringLiteral("a.txt_RecSortByLen.txt")}},
        {echoscan,
         "A.TXT_Rec*.txt",
         {QStringLiteral("a.txt_RecPrep.txt"), QStringLiteral("a.txt_RecSortByLen.txt")}},
        {echoscan, "a.txt_RecPrep.txt_Rec*.*", {QStringLiteral("a.txt_RecPrep.txt_RecPrep.txt")}},
        {echoscan, "no file at all", {}},
    };
    for (const auto& c : cases) {
        ResultFileList list;
        list.setReportSuffixes(c.suffixes);
        list.point(folder.path(), QString::fromUtf8(c.pattern));
        QStringList listed;
        for (int row = 0; row < list.count(); ++row) {
            listed.append(list.item(row)->text());
        }
        EXPECT_EQ(listed, c.listed) << c.pattern;
    }
}

TEST(ResultFileList, ARunShowsOnlyWhatItWroteUntilTheSourceIsChosenAgain) {
    testing::TempFolder folder;
    ResultFileList list;
    folder.write("a.txt_Emb.txt", "");
    folder.write("a.txt_EmbSortByAlf.txt", "");
    std::filesystem::last_write_time(
        folder / "a.txt_EmbSortByAlf.txt",
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    list.point(folder.path(), QStringLiteral("a.txt_emb*.*"));
    EXPECT_EQ(list.count(), 2);
    list.startRun();
    EXPECT_EQ(list.count(), 0);
    folder.write("a.txt_Emb.txt", "rewritten");
    list.reread();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("a.txt_Emb.txt"));
    list.showJobFiles({"_emb*.*", std::nullopt}, QStringLiteral("a.txt"));
    EXPECT_EQ(list.count(), 1);
    list.point(folder.path(), QStringLiteral("a.txt_emb*.*"));
    EXPECT_EQ(list.count(), 2);
    // A run refused at once wrote nothing: the list is as before it.
    list.startRun();
    list.cancelRun();
    EXPECT_EQ(list.count(), 2);
}

}  // namespace
}  // namespace undertext::ui
