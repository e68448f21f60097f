#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/ui/about_window.h"
#include "common/ui/language_options.h"
#include "common/ui/progress_display.h"
#include "common/ui/result_file_list.h"
#include "common/ui/scripted_dialogs.h"
#include "common/ui/startup_check.h"
#include "common/ui/window_parts.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::ui {
namespace {

TEST(ProgressDisplay, StartsWithTheDesignTextAndShowsTheNumberText) {
    QWidget window;
    ProgressDisplay display(&window);
    EXPECT_EQ(display.label()->text(), QStringLiteral("Готово   0 %"));
    EXPECT_EQ(display.bar()->objectName(), QStringLiteral("ProgressBar1"));
    EXPECT_EQ(display.label()->objectName(), QStringLiteral("Label2"));
    EXPECT_EQ(display.bar()->value(), 0);
    EXPECT_EQ(display.bar()->maximum(), 100);
    display.show(2);
    EXPECT_EQ(display.label()->text(), QStringLiteral("Готово  2 %"));
    EXPECT_EQ(display.bar()->value(), 2);
    display.show(100);
    EXPECT_EQ(display.label()->text(), QStringLiteral("Готово  100 %"));
    display.show(0);
    EXPECT_EQ(display.label()->text(), QStringLiteral("Готово  0 %"));
}

TEST(LanguageOptions, AChangeResetsTheModulesAndTheSameChoiceKeepsThem) {
    QWidget window;
    QListWidget modules(&window);
    LanguageOptions options(&window);
    const DefaultModules defaults{"common.dic", ""};
    std::vector<Language> changes;
    QObject::connect(&options, &LanguageOptions::languageChanged, &window, [&](Language language) {
        changes.push_back(language);
        resetModuleList(modules, language, defaults);
    });
    EXPECT_FALSE(options.selected().has_value());

    options.select(Language::Russian);  // the window's load
    EXPECT_EQ(moduleListEntries(modules), std::vector<std::string>{"common.dic"});
    modules.addItem(QStringLiteral("a.dic"));
    options.select(Language::Russian);
    EXPECT_EQ(moduleListEntries(modules), (std::vector<std::string>{"common.dic", "a.dic"}));

    // The user clicks "Английский", whose default module is missing.
    QTest::mouseClick(options.englishButton(), Qt::LeftButton);
    EXPECT_TRUE(options.englishButton()->isChecked());
    EXPECT_FALSE(options.russianButton()->isChecked());
    EXPECT_EQ(options.language(), Language::English);
    EXPECT_EQ(modules.count(), 0);
    EXPECT_EQ(changes, (std::vector<Language>{Language::Russian, Language::English}));
    EXPECT_EQ(options.russianButton()->objectName(), QStringLiteral("Option1"));
    EXPECT_EQ(options.englishButton()->text(), QStringLiteral("Английский"));
}

class ResultList : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    ScriptedDialogs dialogs;
    QWidget window;
    ResultFileList* list = new ResultFileList(dialogs, &window);

    QStringList entries() const {
        QStringList names;
        for (int i = 0; i < list->count(); ++i) {
            names.append(list->item(i)->text());
        }
        return names;
    }
};

TEST_F(ResultList, MatchesNothingAtFirstThenTheSourcesReportsWhateverTheirCase) {
    folder.write("no file at all", "");
    EXPECT_EQ(list->pattern(), QStringLiteral("no file at all"));
    EXPECT_EQ(list->count(), 0);

    folder.write("a.txt", "");
    folder.write("a.txt_Emb.txt", "");
    list->point(folder.path(), QStringLiteral("a.txt_emb*.*"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("a.txt_Emb.txt")});

    folder.write("a.txt_EmbSortByAlf.txt", "");
    EXPECT_EQ(list->count(), 1);
    list->reread();
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("a.txt_Emb.txt"),
                                      QStringLiteral("a.txt_EmbSortByAlf.txt")}));
}

TEST_F(ResultList, ADoubleClickOpensTheEntryInTheViewerOrReportsWhyNot) {
    folder.write("a.txt_Emb.txt", "");
    list->point(folder.path(), QStringLiteral("a.txt_emb*.*"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint place = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
    const QString file = QString::fromStdString((folder / "a.txt_Emb.txt").string());
    EXPECT_EQ(dialogs.viewedFiles(), QStringList{file});

    dialogs.setViewerFails(true);
    emit list->itemDoubleClicked(list->item(0));
    const auto boxes = dialogs.shownOfKind(ShownBox::Kind::Information);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, viewerFailureText(file));
}

TEST(AboutWindow, HoldsTheHeadingsThePictureAndTheAddress) {
    AboutWindow about(QString::fromUtf8(kEmbedDescription));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе"));
    QStringList labels;
    for (const auto* label : about.findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) {
            labels.append(label->text());
        } else {
            EXPECT_EQ(label->pixmap().size(), QSize(88, 31));
        }
    }
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Программа поиска \"вложенных\" слов."),
                                   QStringLiteral("Версия 2.1"),
                                   QStringLiteral("Автор и разработчик - команда Undertext")}));
    EXPECT_EQ(about.findChild<QLineEdit*>()->text(),
              QStringLiteral("http://www.undertext.example.org/"));
}

TEST(WindowParts, ButtonsCarryAnIconAndTheVersionLabelReportsClicks) {
    QWidget window;
    auto* button = makeButton(&window, QStringLiteral("Command1"), QStringLiteral("Начать поиск"),
                              ButtonIcon::Start);
    EXPECT_EQ(button->objectName(), QStringLiteral("Command1"));
    EXPECT_FALSE(button->icon().isNull());

    ClickableLabel version(QString::fromUtf8(kVersionText));
    int clicks = 0;
    QObject::connect(&version, &ClickableLabel::clicked, &window, [&] { ++clicks; });
    QTest::mouseClick(&version, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(StartUpCheck, WithoutModulesShowsTheAboutWindowThenTheWarning) {
    testing::TempFolder start;
    ScriptedDialogs dialogs;
    std::size_t boxesBeforeAbout = 99;
    const auto showAbout = [&] { boxesBeforeAbout = dialogs.shown().size(); };
    start.write("COMMON.DIC.bak", "");
    EXPECT_TRUE(warnWhenNoModules(start.path(), dialogs, showAbout));
    EXPECT_EQ(boxesBeforeAbout, 0u);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Скачайте, разархивируйте и перепишите модули словарей "
                             "в директорию программы"));

    start.write("Common.Dic", "");
    boxesBeforeAbout = 99;
    EXPECT_FALSE(warnWhenNoModules(start.path(), dialogs, showAbout));
    EXPECT_EQ(boxesBeforeAbout, 99u);
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

}  // namespace
}  // namespace undertext::ui
