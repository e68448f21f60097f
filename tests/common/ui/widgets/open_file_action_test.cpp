#include "common/ui/widgets/open_file_action.h"

#include <gtest/gtest.h>

#include <string>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "common/core/text/codepage.h"
#include "common/ui/app/dialogs.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/progress_display.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

QString text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class OpenFile : public ::testing::Test {
  protected:
    testing::TempFolder start;
    testing::TempFolder texts;
    ScriptedDialogs dialogs;
    QWidget window;
    DoubleClickLineEdit* sourceBox = new DoubleClickLineEdit(&window);
    ResultFileList* results = new ResultFileList(&window);
    LanguageOptions* language = new LanguageOptions(&window);
    QPushButton* primary = new QPushButton(QStringLiteral("Начать поиск"), &window);
    QPushButton* other = new QPushButton(QStringLiteral("Открыть файл"), &window);
    EncodingChooser* encoding = new EncodingChooser(&window);
    ProgressDisplay progress{&window};
    OpenFileTargets targets{sourceBox, results, language, primary, encoding, &progress};
    OpenFileAction action{dialogs, start.path(), QString::fromLatin1(kEmbedReportPattern), targets,
                          &window};

    void SetUp() override {
        window.show();
        language->select(Language::Russian);
        other->setFocus();
    }
    // Runs the action with the dialog answering file (nullopt: cancelled) and
    // gives the folder the dialog started in.
    QString run(const std::optional<QString>& file) {
        dialogs.queueFile(file);
        action.run();
        return dialogs.openRequests().back().initialFolder;
    }
};

TEST_F(OpenFile, FirstChoiceShowsTheFileListsItsReportsAndRemembersTheFolder) {
    texts.write("a.txt", "\xE6\xE6\xE6 qqqqq");
    texts.write("A.TXT_EMB.txt", "");
    texts.write("a.txt_EmbSortByLen.txt", "");
    texts.write("b.txt_Emb.txt", "");
    EXPECT_EQ(run(text(texts / "a.txt")), firstFolderToBrowse());
    EXPECT_EQ(dialogs.openRequests()[0].title, QStringLiteral("Open File"));
    EXPECT_EQ(dialogs.openRequests()[0].filter, QStringLiteral("All Files (*)"));
    EXPECT_EQ(sourceBox->text(), QStringLiteral("a.txt"));
    EXPECT_EQ(action.sourceFolder(), texts.path());
    EXPECT_EQ(results->pattern(), QStringLiteral("a.txt_emb*.*"));
    ASSERT_EQ(results->count(), 2);
    EXPECT_EQ(results->item(0)->text(), QStringLiteral("A.TXT_EMB.txt"));
    EXPECT_EQ(start.read("LastPath.txt"), texts.path().string() + "\r\n");
    EXPECT_EQ(language->language(), Language::English);
    EXPECT_EQ(window.focusWidget(), primary);
    // The next dialog starts in the remembered folder.
    EXPECT_EQ(run(std::nullopt), text(texts.path()));
}

TEST_F(OpenFile, ACancelKeepsTheEarlierChoiceAndOnlyMovesTheFocus) {
    texts.write("a.txt", "");
    run(text(texts / "a.txt"));
    other->setFocus();
    start.write("LastPath.txt", "/nowhere\r\n");
    EXPECT_EQ(run(std::nullopt), QStringLiteral("/NOWHERE"));
    EXPECT_EQ(sourceBox->text(), QStringLiteral("a.txt"));
    EXPECT_EQ(action.sourceFolder(), texts.path());
    EXPECT_EQ(start.read("LastPath.txt"), "/nowhere\r\n");
    EXPECT_EQ(window.focusWidget(), primary);
    // With the search running the focus stays where it is.
    other->setFocus();
    primary->setEnabled(false);
    run(std::nullopt);
    EXPECT_EQ(window.focusWidget(), other);
}

TEST_F(OpenFile, TheEncodingIsShownTheLettersCountDecodedAndAnOverrideLastsOneFile) {
    // Five Russian letters in UTF-16 hold no Windows-1251 letter byte; decoded they
    // outnumber the four Latin ones.
    texts.write("s.txt",
                TextEncoder({TextEncoding::Utf16Le, true}).encodeFile(utf8ToCp1251("жжжжж qqqq")));
    run(text(texts / "s.txt"));
    EXPECT_EQ(encoding->label()->text(), QStringLiteral("Кодировка: UTF-16LE BOM"));
    EXPECT_EQ(language->language(), Language::Russian);
    EXPECT_EQ(encoding->forced(), std::nullopt);
    encoding->box()->setCurrentText(QStringLiteral("KOI8-R"));
    EXPECT_EQ(encoding->forced(), TextEncoding::Koi8R);
    // Another file: its own encoding and replaced bytes counted; the box going back
    // to «Авто» is followed in both windows' tests.
    texts.write("u.txt", "жжжжжж \xFF qq");
    run(text(texts / "u.txt"));
    EXPECT_EQ(encoding->label()->text(),
              QStringLiteral("Кодировка: UTF-8, заменено неверных байтов: 1"));
}

TEST_F(OpenFile, AForcedEncodingDecodesTheChosenTextAgainAndANewChoiceShowsNothingRun) {
    const std::string bytes = utf8ToCp1251("кот и дом, сад и лес");
    texts.write("w.txt", bytes);
    progress.show(100);
    run(text(texts / "w.txt"));
    EXPECT_EQ(progress.label()->text(), QString::fromUtf8(kProgressDesignText));
    EXPECT_EQ(encoding->label()->text(), QStringLiteral("Кодировка: Windows-1251"));
    struct Forced {
        const char* choice;
        SourceEncoding inForce;
    };
    const Forced cases[] = {{"UTF-8", {TextEncoding::Utf8, false}},
                            {"KOI8-R", {TextEncoding::Koi8R, false}},
                            {"Авто", {}}};
    for (const auto& [choice, inForce] : cases) {
        encoding->box()->setCurrentText(QString::fromUtf8(choice));
        const auto decoded = decodeText(bytes, encoding->forced());
        EXPECT_EQ(encoding->label()->text(), QStringLiteral("Кодировка: ") +
                                                 QString::fromStdString(describeEncoding(inForce)) +
                                                 replacedBytesText(decoded.invalidBytes))
            << choice;
        EXPECT_EQ(encoding->replacedBytes(), decoded.invalidBytes);
    }
    EXPECT_GT(decodeText(bytes, TextEncoding::Utf8).invalidBytes, 0u);
    // A new choice is decoded as detected, the box back at «Авто».
    encoding->box()->setCurrentText(QStringLiteral("UTF-8"));
    run(text(texts / "w.txt"));
    EXPECT_EQ(encoding->forced(), std::nullopt);
    EXPECT_EQ(encoding->label()->text(), QStringLiteral("Кодировка: Windows-1251"));
}

TEST_F(OpenFile, AnUnreadableFileIsReportedAndTheLanguageStays) {
    std::filesystem::create_directory(texts / "folder.txt");
    run(text(texts / "folder.txt"));
    EXPECT_EQ(sourceBox->text(), QStringLiteral("folder.txt"));
    EXPECT_EQ(language->language(), Language::Russian);
    const auto boxes = dialogs.shownOfKind(ShownBox::Kind::Information);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("folder.txt")));
    EXPECT_EQ(window.focusWidget(), primary);
}

}  // namespace
}  // namespace undertext::ui
