#pragma once

#include <QLineEdit>
#include <QString>

#include "common/core/text/letters.h"

namespace undertext::create {

// The phrase box. The user can type at most kTypedLimit characters (a
// longer paste is cut to fit, as with a maximum length), yet writeWhole() puts a
// longer text in whole: the normalised phrase of 40 one-letter words has 81
// characters. Once the text is back within the limit the limit holds again.
// GUI thread only.
class PhraseBox final : public QLineEdit {
    Q_OBJECT

  public:
    static constexpr qsizetype kTypedLimit = 80;

    explicit PhraseBox(QWidget* parent = nullptr);

    // Sets the text as it is, whatever its length (one edit of the box).
    void writeWhole(const QString& text);

  private:
    qsizetype allowedLength_ = kTypedLimit;
};

// The language a phrase selects by its first character: a Windows-1251 byte
// below 192 (a blank, a digit, a Latin letter, Ё and ё) selects English, any other
// Russian. The text must not be empty.
Language languageOfPhrase(const QString& phrase);

}  // namespace undertext::create
