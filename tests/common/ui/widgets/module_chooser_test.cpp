#include "common/ui/widgets/module_chooser.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "common/core/text/codepage.h"
#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/single_window.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"

namespace undertext::ui {
namespace {

QString entries(const QListWidget& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i) {
        names.append(list.item(i)->text());
    }
    return names.join(QLatin1Char(' '));
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
        mainWindow.show();
        other->setFocus();
    }
    // Opens the chooser over the given modules and main list.
    ModuleChooser* open(std::initializer_list<const char*> modules = {}, const char* main = "") {
        for (const char* name : modules) {
            start.write(name, "слово\r\n");
        }
        mainList->clear();
        mainList->addItems(QString::fromUtf8(main).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        auto* window = chooser.show(
            [this] { return new ModuleChooser(start.path(), mainList, primary, &mainWindow); });
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }
    QListWidget* list(const char* name) const {
        return chooser.get()->findChild<QListWidget*>(QString::fromLatin1(name));
    }
    // Presses the buttons named by their captions, in order.
    void press(std::initializer_list<const char*> captions) const {
        for (const char* caption : captions) {
            for (auto* button : chooser.get()->findChildren<QPushButton*>()) {
                if (button->text() == QString::fromUtf8(caption)) {
                    button->click();
                }
            }
        }
    }
    void highlight(const char* listName, const char* entry) const {
        const auto found = list(listName)->findItems(QString::fromUtf8(entry), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        list(listName)->setCurrentItem(found.constFirst());
    }
    void doubleClick(const char* listName, int row) const {
        auto* view = list(listName);
        const QPoint place = view->visualItemRect(view->item(row)).center();
        // A user's double-click is a click followed by the double-click event.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, place);
    }
};

TEST_F(Chooser, OpensWithTheModulesAndTheRussianDefaultAndAddsEachOnce) {
    auto* window = open({"Common.dic", "a.dic", "b.DIC", "notes.txt"});
    QStringList buttons;
    for (const auto* button : window->findChildren<QPushButton*>()) {
        buttons.append(button->objectName() + QLatin1Char('=') + button->text());
    }
    using namespace chooser_names;
    QStringList expected;
    for (const auto& [name, caption] : {std::pair{kAddButton, ">"},
                                        {kAddAllButton, ">>"},
                                        {kRemoveButton, "<"},
                                        {kRemoveAllButton, "<<"},
                                        {kDoneButton, "Готово"},
                                        {kCancelButton, "Отменить"}}) {
        expected.append(QString::fromLatin1(name) + QLatin1Char('=') + QString::fromUtf8(caption));
    }
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(entries(*list(chooser_names::kAvailableList)),
              QStringLiteral("a.dic b.DIC Common.dic"));
    EXPECT_EQ(entries(*list(chooser_names::kChosenList)), QStringLiteral("Common.dic"));
    press({">"});  // nothing highlighted
    highlight(chooser_names::kAvailableList, "a.dic");
    press({">", ">"});
    EXPECT_EQ(entries(*list(chooser_names::kChosenList)), QStringLiteral("Common.dic a.dic"));
    // Showing it again only brings the same window to the front.
    EXPECT_EQ(open(), window);
    EXPECT_EQ(entries(*list(chooser_names::kChosenList)), QStringLiteral("Common.dic a.dic"));
}

TEST_F(Chooser, AnEntryDifferingOnlyInCaseIsAddedAgain) {
    open({"COMMON.DIC", "Common.dic"});
    highlight(chooser_names::kAvailableList, "Common.dic");
    press({">", "Готово"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("COMMON.DIC Common.dic"));
}

TEST_F(Chooser, DoneWritesPositionByPositionAndGivesTheFocusBack) {
    open({"Common.dic", "a.dic", "b.dic"}, "COMMON.DIC");
    press({">>", ">>", "Готово"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("a.dic b.dic Common.dic"));
    EXPECT_EQ(mainWindow.focusWidget(), primary);
    QTest::qWait(0);  // the closed chooser deletes itself
    EXPECT_EQ(chooser.get(), nullptr);

    open({}, "COMMON.DIC");
    highlight(chooser_names::kAvailableList, "a.dic");
    press({">", "Готово"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("Common.dic a.dic"));

    open({}, "x.dic y.dic z.dic");
    press({"<<"});
    doubleClick(chooser_names::kAvailableList, 0);
    press({"Готово"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("a.dic y.dic z.dic"));
}

TEST_F(Chooser, RemovingEverythingOrCancellingLeavesTheMainListAlone) {
    open({"Common.dic", "a.dic"}, "a.dic");
    press({"<<", "Готово"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("a.dic"));

    other->setFocus();
    open({}, "a.dic");
    press({">>", "<"});  // nothing highlighted: nothing removed
    doubleClick(chooser_names::kChosenList, 0);
    EXPECT_EQ(entries(*list(chooser_names::kChosenList)), QStringLiteral("Common.dic"));
    press({"Отменить"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("a.dic"));
    EXPECT_EQ(mainWindow.focusWidget(), primary);
}

TEST_F(Chooser, WithoutModulesNothingIsAddedAndTheFocusStaysWithoutAReason) {
    open({}, "x.dic");
    press({">", ">>", "Готово"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("x.dic"));
    // A run disables the primary button and with it "Готово": the run's modules
    // stay as they were. The close box leaves the focus where it is.
    other->setFocus();
    open({"Common.dic"});
    primary->setEnabled(false);
    EXPECT_FALSE(chooser.get()
                     ->findChild<QPushButton*>(QString::fromLatin1(chooser_names::kDoneButton))
                     ->isEnabled());
    press({"Готово"});
    EXPECT_EQ(mainWindow.focusWidget(), other);
    EXPECT_EQ(mainList->count(), 0);
    primary->setEnabled(true);
    press({"Готово"});
    EXPECT_EQ(entries(*mainList), QStringLiteral("Common.dic"));
    other->setFocus();
    open()->close();
    EXPECT_EQ(mainWindow.focusWidget(), other);
    EXPECT_EQ(mainList->count(), 0);
}

TEST_F(Chooser, AfterARemovalNothingIsHighlightedAndTheKeysPressItsButtons) {
    auto* window = open({"Common.dic", "a.dic", "b.dic"}, "x.dic");
    press({">>"});
    highlight(chooser_names::kChosenList, "a.dic");
    press({"<", "<"});  // the second press finds nothing highlighted
    EXPECT_EQ(entries(*list(chooser_names::kChosenList)), QStringLiteral("b.dic Common.dic"));
    EXPECT_TRUE(list(chooser_names::kChosenList)->selectedItems().isEmpty());

    // Enter on the focused "Готово" presses it.
    auto* done = window->findChild<QPushButton*>(QString::fromLatin1(chooser_names::kDoneButton));
    done->setFocus();
    QTest::keyClick(done, Qt::Key_Return);
    EXPECT_EQ(entries(*mainList), QStringLiteral("b.dic Common.dic"));
    EXPECT_EQ(mainWindow.focusWidget(), primary);

    // Escape is "Отменить": the main list stays, the focus goes to the primary button.
    other->setFocus();
    window = open({}, "b.dic Common.dic");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    press({"<<"});
    QTest::keyClick(list(chooser_names::kAvailableList), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(entries(*mainList), QStringLiteral("b.dic Common.dic"));
    EXPECT_EQ(mainWindow.focusWidget(), primary);
}

// The module highlighted on the left is counted: its words (blank lines are none)
// and those that can never match.
TEST_F(Chooser, CountsTheHighlightedModulesWords) {
    start.write("a.dic", utf8ToCp1251("кот\r\n\r\nпёс\r\nКот\r\nрама\r\n \r\n"));
    start.write("b.dic", utf8ToCp1251("кот\r\nтел\r\n"));
    auto* window = open();
    auto* count = window->findChild<QLabel*>(QString::fromLatin1(chooser_names::kModuleCount));
    ASSERT_NE(count, nullptr);
    const std::pair<const char*, const char*> shown[] = {
        {"a.dic",
         "Слов в «a.dic»: 4. Из них никогда не совпадут: 2 (в них заглавные буквы, пробелы, ё "
         "или другие знаки)."},
        {"b.dic", "Слов в «b.dic»: 2."},
    };
    for (const auto& [name, text] : shown) {
        highlight("File1", name);
        EXPECT_EQ(count->text(), QString::fromUtf8(text)) << name;
    }
}

}  // namespace
}  // namespace undertext::ui
