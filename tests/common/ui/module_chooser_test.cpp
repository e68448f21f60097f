#include "common/ui/module_chooser.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "common/ui/single_window.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::ui {
namespace {

QStringList entries(const QListWidget& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i) {
        names.append(list.item(i)->text());
    }
    return names;
}

// A main window with its module list, its primary button and one other control
// that holds the focus at first.
class Chooser : public ::testing::Test {
  protected:
    testing::TempFolder start;
    QWidget mainWindow;
    QListWidget* mainList = new QListWidget(&mainWindow);
    QPushButton* primary = new QPushButton(QStringLiteral("Начать поиск"), &mainWindow);
    QPushButton* other = new QPushButton(QStringLiteral("Открыть файл"), &mainWindow);
    SingleWindow<ModuleChooser> chooser;

    void SetUp() override {
        auto* layout = new QVBoxLayout(&mainWindow);
        layout->addWidget(mainList);
        layout->addWidget(primary);
        layout->addWidget(other);
        mainWindow.show();
        other->setFocus();
    }

    void addModules(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            start.write(name, "слово\r\n");
        }
    }

    ModuleChooser* open() {
        auto* window = chooser.show(
            [this] { return new ModuleChooser(start.path(), mainList, primary, &mainWindow); });
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }
    QListWidget* list(const char* name) const {
        return chooser.get()->findChild<QListWidget*>(QString::fromLatin1(name));
    }
    void press(const char* name) const {
        auto* button = chooser.get()->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    void highlight(const char* listName, const QString& entry) const {
        auto* view = list(listName);
        const auto found = view->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_EQ(found.size(), 1);
        view->setCurrentItem(found.constFirst());
    }
    void doubleClick(const char* listName, int row) const {
        auto* view = list(listName);
        const QRect place = view->visualItemRect(view->item(row));
        // A user's double-click is a click followed by the double-click event.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, place.center());
    }
};

TEST_F(Chooser, OpensWithTheModulesAndTheRussianDefaultAndAddsEachOnce) {
    addModules({"Common.dic", "a.dic", "b.DIC", "notes.txt"});
    auto* window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Выберите модули словаря"));
    EXPECT_EQ(entries(*list("File1")),
              (QStringList{QStringLiteral("a.dic"), QStringLiteral("b.DIC"),
                           QStringLiteral("Common.dic")}));
    EXPECT_EQ(entries(*list("List1")), QStringList{QStringLiteral("Common.dic")});

    press("Command1");  // nothing highlighted
    highlight("File1", QStringLiteral("a.dic"));
    press("Command1");
    press("Command1");
    EXPECT_EQ(entries(*list("List1")),
              (QStringList{QStringLiteral("Common.dic"), QStringLiteral("a.dic")}));

    // Showing it again only brings the same window to the front.
    EXPECT_EQ(open(), window);
    EXPECT_EQ(entries(*list("List1")).size(), 2);
}

TEST_F(Chooser, AnEntryDifferingOnlyInCaseIsAddedAgain) {
    addModules({"COMMON.DIC", "Common.dic"});
    open();
    EXPECT_EQ(entries(*list("List1")), QStringList{QStringLiteral("COMMON.DIC")});
    highlight("File1", QStringLiteral("Common.dic"));
    press("Command1");
    EXPECT_EQ(entries(*list("List1")),
              (QStringList{QStringLiteral("COMMON.DIC"), QStringLiteral("Common.dic")}));
}

TEST_F(Chooser, AllThenDoneWritesEveryModuleAndGivesTheFocusBack) {
    addModules({"Common.dic", "a.dic", "b.dic"});
    mainList->addItem(QStringLiteral("COMMON.DIC"));
    open();
    press("Command2");
    press("Command2");
    press("Command5");
    EXPECT_EQ(entries(*mainList), (QStringList{QStringLiteral("a.dic"), QStringLiteral("b.dic"),
                                               QStringLiteral("Common.dic")}));
    EXPECT_EQ(mainWindow.focusWidget(), primary);
    QTest::qWait(0);  // the closed chooser deletes itself
    EXPECT_EQ(chooser.get(), nullptr);
}

TEST_F(Chooser, DoneWritesPositionByPositionAndKeepsTheRest) {
    addModules({"Common.dic", "a.dic"});
    mainList->addItem(QStringLiteral("COMMON.DIC"));
    open();
    highlight("File1", QStringLiteral("a.dic"));
    press("Command1");
    press("Command5");
    EXPECT_EQ(entries(*mainList),
              (QStringList{QStringLiteral("Common.dic"), QStringLiteral("a.dic")}));

    mainList->clear();
    mainList->addItems({QStringLiteral("x.dic"), QStringLiteral("y.dic"), QStringLiteral("z.dic")});
    open();
    press("Command4");
    doubleClick("File1", 0);  // a.dic
    press("Command5");
    EXPECT_EQ(entries(*mainList), (QStringList{QStringLiteral("a.dic"), QStringLiteral("y.dic"),
                                               QStringLiteral("z.dic")}));
}

TEST_F(Chooser, RemovingEverythingOrCancellingLeavesTheMainListAlone) {
    addModules({"Common.dic", "a.dic"});
    mainList->addItem(QStringLiteral("a.dic"));
    open();
    press("Command4");
    press("Command5");
    EXPECT_EQ(entries(*mainList), QStringList{QStringLiteral("a.dic")});

    other->setFocus();
    open();
    press("Command2");
    press("Command3");  // nothing highlighted: nothing removed
    EXPECT_EQ(list("List1")->count(), 2);
    doubleClick("List1", 0);
    EXPECT_EQ(entries(*list("List1")), QStringList{QStringLiteral("Common.dic")});
    press("Command6");
    EXPECT_EQ(entries(*mainList), QStringList{QStringLiteral("a.dic")});
    EXPECT_EQ(mainWindow.focusWidget(), primary);
}

TEST_F(Chooser, TheFocusStaysWhenThePrimaryButtonIsDisabledOrTheCloseBoxIsUsed) {
    addModules({"Common.dic"});
    open();
    primary->setEnabled(false);
    press("Command5");
    EXPECT_EQ(mainWindow.focusWidget(), other);
    EXPECT_EQ(entries(*mainList), QStringList{QStringLiteral("Common.dic")});

    primary->setEnabled(true);
    mainList->clear();
    open()->close();
    EXPECT_EQ(mainWindow.focusWidget(), other);
    EXPECT_EQ(mainList->count(), 0);
}

TEST_F(Chooser, WithoutModulesBothListsStayEmpty) {
    mainList->addItem(QStringLiteral("x.dic"));
    open();
    press("Command1");
    press("Command2");
    EXPECT_EQ(list("List1")->count(), 0);
    press("Command5");
    EXPECT_EQ(entries(*mainList), QStringList{QStringLiteral("x.dic")});
}

}  // namespace
}  // namespace undertext::ui
