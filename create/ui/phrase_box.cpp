#include "create/ui/phrase_box.h"

#include <algorithm>
#include <cassert>
#include <string>

#include <QValidator>

#include "common/core/text/codepage.h"
#include "create/core/phrase_words.h"

namespace undertext::create {
namespace {

// Keeps an edit within the allowed length by dropping the characters it
// inserted last, those just before the cursor. An edit can only grow the text by
// what it inserted, and the text before it was within the length, so only
// inserted characters go.
class LengthValidator final : public QValidator {
  public:
    LengthValidator(const qsizetype& allowedLength, QObject* parent)
        : QValidator(parent), allowedLength_(allowedLength) {}

    State validate(QString& input, int& pos) const override {
        const qsizetype excess = input.size() - allowedLength_;
        if (excess <= 0) {
            return Acceptable;
        }
        if (pos < excess) {
            return Invalid;
        }
        input.remove(pos - excess, excess);
        pos -= static_cast<int>(excess);
        return Acceptable;
    }

  private:
    const qsizetype& allowedLength_;
};

}  // namespace

PhraseBox::PhraseBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new LengthValidator(allowedLength_, this));
    // Connected before any other reader, so the limit is current when they run.
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { allowedLength_ = std::max(kTypedLimit, text.size()); });
}

void PhraseBox::writeWhole(const QString& text) {
    allowedLength_ = std::max(kTypedLimit, text.size());
    setText(text);
}

Language languageOfPhrase(const QString& phrase) {
    assert(!phrase.isEmpty());
    const qsizetype firstLength = phrase.front().isHighSurrogate() ? 2 : 1;
    return create::languageOfPhrase(utf8ToCp1251(phrase.left(firstLength).toStdString()));
}

}  // namespace undertext::create
