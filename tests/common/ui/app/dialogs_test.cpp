#include "common/ui/app/dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

// The title, folder, suffix and the UTF-8 choice are followed through the Create
// window's save; here the name proposed, the two file types and a cancel.
TEST(ChooseWhereToSave, ProposesThePhraseWithoutItsOuterBlanksAndOffersTwoFileTypes) {
    ScriptedDialogs dialogs;
    dialogs.queueFile(QStringLiteral("/out/res.txt"));
    const auto chosen = chooseWhereToSave(dialogs, nullptr, QStringLiteral("/out"),
                                          QStringLiteral("  мама\tраму "));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->file, QStringLiteral("/out/res.txt"));
    EXPECT_FALSE(chosen->utf8);
    const auto& asked = dialogs.saveRequests().at(0);
    EXPECT_EQ(asked.proposedName, QStringLiteral("мама\tраму"));
    EXPECT_EQ(asked.filter, QStringLiteral("Text Files (*.txt);;Текст UTF-8 (*.txt)"));
    EXPECT_FALSE(chooseWhereToSave(dialogs, nullptr, QString(), QString()));  // cancelled
}

// Sets an environment variable for the test's length.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

TEST(FirstFolder, BothDialogsStartInTheDocumentsOrTheHomeFolderUntilOneIsChosen) {
    testing::TempFolder home;
    const ScopedVariable homeVariable("HOME", QByteArray::fromStdString(home.path().string()));
    const ScopedVariable config("XDG_CONFIG_HOME",
                                QByteArray::fromStdString((home / ".config").string()));
    const auto homeText = QString::fromStdString(home.path().string());
    struct Case {
        bool documentsExist;
        QString folder;    // what the window passes
        QString expected;  // where the dialogs start
    };
    const Case cases[] = {{false, QString(), homeText},
                          {true, QString(), homeText + QStringLiteral("/Documents")},
                          {true, QStringLiteral("/chosen"), QStringLiteral("/chosen")}};
    for (const auto& [documentsExist, folder, expected] : cases) {
        if (documentsExist) {
            std::filesystem::create_directories(home / "Documents");
        }
        ScriptedDialogs dialogs;
        chooseTextToOpen(dialogs, nullptr, folder);
        chooseWhereToSave(dialogs, nullptr, folder, QString());
        EXPECT_EQ(dialogs.openRequests().at(0).initialFolder, expected);
        EXPECT_EQ(dialogs.saveRequests().at(0).initialFolder, expected);
    }
}

}  // namespace
}  // namespace undertext::ui
