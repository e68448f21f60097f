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
