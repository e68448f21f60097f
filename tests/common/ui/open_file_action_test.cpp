#include "common/ui/open_file_action.h"

#include <gtest/gtest.h>

#include <string>

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/core/memory_file.h"
#include "common/ui/common_dialog_api.h"
#include "common/ui/language_options.h"
#include "common/ui/result_file_list.h"
#include "common/ui/scripted_dialogs.h"
#include "common/ui/window_parts.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::ui {
namespace {

QString text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Windows-1251 letters: 'ж' is 0xE6, 'ё' 0xB8.
std::string letters(int russian, int latin, int yo = 0) {
    return std::string(russian, '\xE6') + " " + std::string(latin, 'q') + " " +
           std::string(yo, '\xB8') + " 12,.\r\n";
}

class OpenFile : public ::testing::Test {
  protected:
    testing::TempFolder start;
    testing::TempFolder texts;
    ScriptedDialogs dialogs;
    QWidget window;
    DoubleClickLineEdit* sourceBox = new DoubleClickLineEdit(&window);
    ResultFileList* results = new ResultFileList(dialogs, &window);
    LanguageOptions* language = new LanguageOptions(&window);
    QPushButton* primary = new QPushButton(QStringLiteral("Начать поиск"), &window);
    QPushButton* other = new QPushButton(QStringLiteral("Открыть файл"), &window);
    OpenFileAction action{dialogs,
                          start.path(),
                          QString::fromLatin1(kEmbedReportPattern),
                          {sourceBox, results, language, primary},
                          &window};

    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        const QList<QWidget*> widgets{
            sourceBox, results, language->russianButton(), language->englishButton(),
            primary,   other};
        for (QWidget* widget : widgets) {
            layout->addWidget(widget);
        }
        window.show();
        language->select(Language::Russian);
        other->setFocus();
    }

    QString lastInitialFolder() const { return dialogs.openRequests().back().initialFolder; }
};

TEST_F(OpenFile, FirstChoiceShowsTheFileListsItsReportsAndRemembersTheFolder) {
    texts.write("a.txt", letters(3, 5));
    texts.write("A.TXT_EMB.txt", "");
    texts.write("a.txt_EmbSortByLen.txt", "");
    texts.write("b.txt_Emb.txt", "");
    dialogs.queueFile(text(texts / "a.txt"));
    action.run();

    ASSERT_EQ(dialogs.openRequests().size(), 1u);
    EXPECT_EQ(dialogs.openRequests()[0].title, QStringLiteral("Open File"));
    EXPECT_EQ(dialogs.openRequests()[0].filter, QStringLiteral("All Files (*)"));
    EXPECT_EQ(lastInitialFolder(), QString());
    EXPECT_EQ(sourceBox->text(), QStringLiteral("a.txt"));
    EXPECT_EQ(action.sourceFolder(), texts.path());
    EXPECT_EQ(results->pattern(), QStringLiteral("a.txt_emb*.*"));
    ASSERT_EQ(results->count(), 2);
    EXPECT_EQ(results->item(0)->text(), QStringLiteral("A.TXT_EMB.txt"));
    EXPECT_EQ(results->item(1)->text(), QStringLiteral("a.txt_EmbSortByLen.txt"));
    EXPECT_EQ(start.read("LastPath.txt"), texts.path().string() + "\r\n");
    EXPECT_EQ(language->language(), Language::English);
    EXPECT_EQ(window.focusWidget(), primary);
}

TEST_F(OpenFile, ACancelKeepsTheEarlierChoiceAndOnlyMovesTheFocus) {
    texts.write("a.txt", letters(11, 10));
    dialogs.queueFile(text(texts / "a.txt"));
    action.run();
    other->setFocus();
    start.write("LastPath.txt", "/nowhere\r\n");
    dialogs.queueFile(std::nullopt);
    action.run();
    EXPECT_EQ(lastInitialFolder(), QStringLiteral("/NOWHERE"));
    EXPECT_EQ(sourceBox->text(), QStringLiteral("a.txt"));
    EXPECT_EQ(action.sourceFolder(), texts.path());
    EXPECT_EQ(start.read("LastPath.txt"), "/nowhere\r\n");
    EXPECT_EQ(window.focusWidget(), primary);

    // With the search running the focus stays where it is.
    other->setFocus();
    primary->setEnabled(false);
    dialogs.queueFile(std::nullopt);
    action.run();
    EXPECT_EQ(window.focusWidget(), other);
}

TEST_F(OpenFile, AShortMemoryFileIsDeletedAndALongerOneGivesTheFolder) {
    start.write("LastPath.txt", "\r\n");
    action.run();
    EXPECT_FALSE(start.exists("LastPath.txt"));
    EXPECT_EQ(lastInitialFolder(), QString());

    start.write("lastpath.TXT", "d\r\n");
    action.run();
    EXPECT_EQ(lastInitialFolder(), QStringLiteral("D"));
}

TEST_F(OpenFile, ARememberedFolderIsFoundWhateverItsCaseOnDisk) {
    const auto folder = texts / "Тексты Mixed";
    std::filesystem::create_directory(folder);
    // The file holds the folder in Windows-1251, as the programs write it.
    ASSERT_TRUE(writeRememberedFolder(start.path(), kLastPathFile, folder).ok());
    action.run();
    EXPECT_EQ(lastInitialFolder(), text(folder));
}

TEST_F(OpenFile, TheLanguageFollowsTheLettersOfTheFile) {
    struct Case {
        std::string content;
        Language from;
        Language expected;
    };
    const Case cases[] = {
        {letters(10, 10), Language::Russian, Language::English},
        {letters(11, 10), Language::English, Language::Russian},
        {letters(0, 0, 30), Language::Russian, Language::English},
        {"", Language::Russian, Language::English},
    };
    for (const auto& c : cases) {
        language->select(c.from);
        texts.write("t.txt", c.content);
        dialogs.queueFile(text(texts / "t.txt"));
        action.run();
        EXPECT_EQ(language->language(), c.expected) << c.content;
    }
}

TEST_F(OpenFile, AnUnreadableFileIsReportedAndTheLanguageStays) {
    std::filesystem::create_directory(texts / "folder.txt");
    dialogs.queueFile(text(texts / "folder.txt"));
    action.run();
    EXPECT_EQ(sourceBox->text(), QStringLiteral("folder.txt"));
    EXPECT_EQ(language->language(), Language::Russian);
    const auto boxes = dialogs.shownOfKind(ShownBox::Kind::Information);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("folder.txt")))
        << boxes[0].text.toStdString();
    EXPECT_EQ(window.focusWidget(), primary);
}

TEST_F(OpenFile, EchoscanListsItsOwnReports) {
    OpenFileAction echoscan(dialogs, start.path(), QString::fromLatin1(kEchoscanReportPattern),
                            {sourceBox, results, language, primary}, &window);
    texts.write("a.txt", "abc");
    texts.write("a.txt_RecPrep.txt", "");
    texts.write("a.txt_Emb.txt", "");
    dialogs.queueFile(text(texts / "a.txt"));
    echoscan.run();
    EXPECT_EQ(results->pattern(), QStringLiteral("a.txt_Rec*.*"));
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->text(), QStringLiteral("a.txt_RecPrep.txt"));
}

TEST(CommonDialogApi, ReportsConfirmedAndCancelledDialogs) {
    ScriptedDialogs dialogs;
    CommonDialogAPI api(dialogs);
    EXPECT_EQ(api.GetName(), QString());
    EXPECT_FALSE(api.GetStatus());

    QString filter = textFilesFilter();
    dialogs.queueFile(QStringLiteral("/texts/a.txt"));
    api.SaveFileDialog(nullptr, QStringLiteral("/texts"), filter);
    EXPECT_TRUE(api.GetStatus());
    EXPECT_EQ(api.GetName(), QStringLiteral("/texts/a.txt"));
    EXPECT_EQ(filter, allFilesFilter());
    EXPECT_EQ(dialogs.openRequests()[0].initialFolder, QStringLiteral("/texts"));

    api.SaveFileDialog(nullptr, QString(), filter);
    EXPECT_FALSE(api.GetStatus());
    EXPECT_EQ(api.GetName(), QStringLiteral("none"));
}

TEST(CommonDialogApi, TheSaveDialogProposesThePhraseAndHandsTheNameToTheWriter) {
    ScriptedDialogs dialogs;
    CommonDialogAPI api(dialogs);
    QStringList written;
    const auto saveRez = [&](const QString& name) { written.append(name); };

    dialogs.queueFile(QStringLiteral("/out/res.txt"));
    api.OpenFileDialog(nullptr, QStringLiteral("/out"), textFilesFilter(),
                       QStringLiteral("  мама мыла раму "), saveRez);
    EXPECT_TRUE(api.GetStatus());
    EXPECT_EQ(api.GetName(), QString());
    EXPECT_EQ(written, QStringList{QStringLiteral("/out/res.txt")});
    const auto& request = dialogs.saveRequests()[0];
    EXPECT_EQ(request.title, QStringLiteral("Save File"));
    EXPECT_EQ(request.proposedName, QStringLiteral("мама мыла раму"));
    EXPECT_EQ(request.filter, QStringLiteral("Text Files (*.txt)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));

    api.OpenFileDialog(nullptr, QString(), textFilesFilter(), QString(), saveRez);
    EXPECT_FALSE(api.GetStatus());
    EXPECT_EQ(api.GetName(), QStringLiteral("none"));
    EXPECT_EQ(written.size(), 1);
}

}  // namespace
}  // namespace undertext::ui
