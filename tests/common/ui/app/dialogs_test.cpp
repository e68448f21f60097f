#include "common/ui/app/dialogs.h"

#include <gtest/gtest.h>

#include "testing/support/qt_application.h"
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

}  // namespace
}  // namespace undertext::ui
