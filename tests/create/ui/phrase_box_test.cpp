#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "create/ui/phrase_box.h"
#include "testing/support/qt_application.h"

namespace undertext::create {
namespace {

using namespace Qt::StringLiterals;

TEST(PhraseBox, TypingStopsAt80CharactersButTheProgramWritesItsPhraseWhole) {
    PhraseBox box;
    box.setText(QString(79, u'a'));
    QTest::keyClicks(&box, u"bcd"_s);
    EXPECT_EQ(box.text(), QString(79, u'a') + u"b"_s);
    // 40 one-letter words, each followed by a blank, and one more blank.
    const QString normalised = u"a "_s.repeated(40) + u" "_s;
    box.writeWhole(normalised);
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClicks(&box, u"x"_s);
    EXPECT_EQ(box.text(), normalised);
    // Back within the limit, the limit holds again; a paste is cut to fit.
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text().size(), 80);
    box.setText(u"ab"_s);
    box.setCursorPosition(1);
    QApplication::clipboard()->setText(QString(100, u'z'));
    box.paste();
    EXPECT_EQ(box.text(), u"a"_s + QString(78, u'z') + u"b"_s);
}

TEST(PhraseBox, TheFirstCharactersByteValueChoosesTheLanguage) {
    for (const auto& russian : {u"мир"_s, u"Ямка"_s}) {
        EXPECT_EQ(languageOfPhrase(russian), Language::Russian);
    }
    for (const auto& english : {u" мир"_s, u"ёлка"_s, u"Ёж"_s, u"cat"_s, u"7 дней"_s}) {
        EXPECT_EQ(languageOfPhrase(english), Language::English);
    }
}

}  // namespace
}  // namespace undertext::create
