#include "common/ui/widgets/result_file_list.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace undertext::ui
