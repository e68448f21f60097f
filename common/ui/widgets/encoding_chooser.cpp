#include "common/ui/widgets/encoding_chooser.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/steady_label.h"

namespace undertext::ui {

namespace {

QString encodingText(SourceEncoding encoding) {
    return QCoreApplication::translate("EncodingChooser", "Кодировка: %1")
        .arg(QString::fromStdString(describeEncoding(encoding)));
}

// The texts of every encoding the label may name.
QStringList everyEncodingText() {
    constexpr TextEncoding kEveryEncoding[] = {
        TextEncoding::Windows1251, TextEncoding::Utf8,    TextEncoding::Utf16Le,
        TextEncoding::Utf16Be,     TextEncoding::Koi8R,   TextEncoding::Cp866,
        TextEncoding::Iso8859_5,   TextEncoding::Utf32Le, TextEncoding::Utf32Be};
    QStringList texts;
    for (const auto encoding : kEveryEncoding) {
        texts.append(encodingText({encoding, isUnicode(encoding)}));
    }
    return texts;
}

}  // namespace

EncodingChooser::EncodingChooser(QWidget* parent)
    : QWidget(parent), label_(new QLabel(this)), box_(new QComboBox(this)) {
    label_->setObjectName(QString::fromLatin1(names::kEncodingLabel));
    box_->setObjectName(QString::fromLatin1(names::kEncodingBox));
    box_->addItem(QCoreApplication::translate("EncodingChooser", "Авто"));
    for (const auto& choice : kEncodingChoices) {
        box_->addItem(
            QString::fromUtf8(choice.label.data(), static_cast<qsizetype>(choice.label.size())));
    }
    box_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The label takes the row's free room, at least that of the widest encoding
    // name, and never widens the window further: a count of replaced bytes that
    // does not fit goes on to a second line. The tool tip holds the whole text.
    keepLabelWidth(*label_, everyEncodingText());
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label_, 1);
    row->addWidget(box_);
}

void EncodingChooser::showDetected(SourceEncoding encoding, std::size_t invalidBytes) {
    showInForce(encoding, invalidBytes);
    const QSignalBlocker quiet(box_);
    box_->setCurrentIndex(0);
}

void EncodingChooser::showInForce(SourceEncoding encoding, std::size_t invalidBytes) {
    replacedBytes_ = invalidBytes;
    const QString text = encodingText(encoding) + replacedBytesText(invalidBytes);
    label_->setText(text);
    label_->setToolTip(text);
}

QString replacedBytesText(std::size_t invalidBytes) {
    return invalidBytes > 0
               ? QCoreApplication::translate("EncodingChooser", ", заменено неверных байтов: %1")
                     .arg(invalidBytes)
               : QString();
}

std::optional<TextEncoding> EncodingChooser::forced() const {
    const int index = box_->currentIndex();
    if (index <= 0) {
        return std::nullopt;
    }
    return kEncodingChoices[static_cast<std::size_t>(index - 1)].encoding;
}

}  // namespace undertext::ui
