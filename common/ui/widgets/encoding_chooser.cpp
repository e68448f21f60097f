#include "common/ui/widgets/encoding_chooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "common/ui/widgets/object_names.h"

namespace undertext::ui {

EncodingChooser::EncodingChooser(QWidget* parent)
    : QWidget(parent), label_(new QLabel(this)), box_(new QComboBox(this)) {
    label_->setObjectName(QString::fromLatin1(names::kEncodingLabel));
    box_->setObjectName(QString::fromLatin1(names::kEncodingBox));
    box_->addItem(QStringLiteral("Авто"));
    for (const auto& choice : kEncodingChoices) {
        box_->addItem(
            QString::fromUtf8(choice.label.data(), static_cast<qsizetype>(choice.label.size())));
    }
    box_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label_, 1);
    row->addWidget(box_);
}

void EncodingChooser::showDetected(SourceEncoding encoding, std::size_t invalidBytes) {
    auto text = QStringLiteral("Кодировка: ") + QString::fromStdString(describeEncoding(encoding));
    if (invalidBytes > 0) {
        text += QStringLiteral(", заменено неверных байтов: ") + QString::number(invalidBytes);
    }
    label_->setText(text);
    box_->setCurrentIndex(0);
}

std::optional<TextEncoding> EncodingChooser::forced() const {
    const int index = box_->currentIndex();
    if (index <= 0) {
        return std::nullopt;
    }
    return kEncodingChoices[static_cast<std::size_t>(index - 1)].encoding;
}

}  // namespace undertext::ui
