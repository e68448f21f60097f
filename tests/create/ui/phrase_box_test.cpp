#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "create/ui/phrase_box.h"
#include "tests/support/qt_application.h"

namespace undertext::create {
namespace {

TEST(PhraseBox, TypingStopsAt80CharactersButTheProgramWritesItsPhraseWhole) {
    PhraseBox box;
    const QString typed(79, QLatin1Char('a'));
    box.setText(typed);
    QTest::keyClicks(&box, QStringLiteral("bcd"));
    EXPECT_EQ(box.text(), typed + QStringLiteral("b"));

    // 40 one-letter words, each followed by a blank, and one more blank.
    const QString normalised = QStringLiteral("a ").repeated(40) + QStringLiteral(" ");
    ASSERT_EQ(normalised.size(), 81);
    box.writeWhole(normalised);
    EXPECT_EQ(box.text(), normalised);
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClicks(&box, QStringLiteral("x"));
    EXPECT_EQ(box.text(), normalised);

    // Back within the limit, the limit holds again; a paste is cut to fit.
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text().size(), 80);
    box.setText(QStringLiteral("ab"));
    box.setCursorPosition(1);
    QApplication::clipboard()->setText(QString(100, QLatin1Char('z')));
    box.paste();
    EXPECT_EQ(box.text(),
              QStringLiteral("a") + QString(78, QLatin1Char('z')) + QStringLiteral("b"));
    EXPECT_EQ(box.cursorPosition(), 79);
}

TEST(PhraseBox, TheFirstCharactersByteValueChoosesTheLanguage) {
    EXPECT_EQ(languageOfPhrase(QStringLiteral("мир")), Language::Russian);
    EXPECT_EQ(languageOfPhrase(QStringLiteral("Ямка")), Language::Russian);
    EXPECT_EQ(languageOfPhrase(QStringLiteral(" мир")), Language::English);
    EXPECT_EQ(languageOfPhrase(QStringLiteral("ёлка")), Language::English);
    EXPECT_EQ(languageOfPhrase(QStringLiteral("Ёж")), Language::English);
    EXPECT_EQ(languageOfPhrase(QStringLiteral("cat")), Language::English);
    EXPECT_EQ(languageOfPhrase(QStringLiteral("7 дней")), Language::English);
}

}  // namespace
}  // namespace undertext::create
