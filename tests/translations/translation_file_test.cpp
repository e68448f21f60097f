#include <gtest/gtest.h>

#include <algorithm>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

namespace undertext {
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty when finished
};

// A carriage return is written as <byte value="xd"/>, which no check here reads.
constexpr auto kSkipByteElements = QXmlStreamReader::IncludeChildElements;

std::vector<Message> readMessages(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText(kSkipByteElements);
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText(kSkipByteElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The placeholders %1...%99 of a text, sorted.
QStringList placeholders(const QString& text) {
    QStringList found;
    const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    for (const auto& match : placeholder.globalMatch(text)) {
        found.append(match.captured());
    }
    found.sort();
    return found;
}

// The Russian words of a text; the letter ё on its own is a name, no word.
QStringList russianWords(const QString& text) {
    QStringList words;
    QString word;
    const auto endWord = [&] {
        const bool russian = std::any_of(word.begin(), word.end(), [](QChar letter) {
            return letter.script() == QChar::Script_Cyrillic;
        });
        if (russian && word != QStringLiteral("ё")) {
            words.append(word);
        }
        word.clear();
    };
    for (const QChar character : text) {
        if (character.isLetter()) {
            word.append(character);
        } else {
            endWord();
        }
    }
    endWord();
    return words;
}

TEST(EnglishTranslation, EveryMessageIsFinishedWithTheSamePlaceholdersAndNoRussianWord) {
    const auto messages = readMessages(QStringLiteral(UNDERTEXT_ENGLISH_TS));
    ASSERT_FALSE(messages.empty());
    for (const auto& message : messages) {
        const auto label = (message.context + QStringLiteral(": ") + message.source).toStdString();
        EXPECT_TRUE(message.type.isEmpty()) << label << " is " << message.type.toStdString();
        EXPECT_FALSE(message.translation.trimmed().isEmpty()) << label;
        EXPECT_EQ(placeholders(message.translation), placeholders(message.source)) << label;
        EXPECT_EQ(russianWords(message.translation), QStringList()) << label;
    }
}

}  // namespace
}  // namespace undertext
