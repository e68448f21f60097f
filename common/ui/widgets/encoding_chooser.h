#pragma once

#include <optional>

#include <QWidget>

#include "common/core/text/text_encoding.h"

class QComboBox;
class QLabel;

namespace undertext::ui {

// The encoding of the chosen source text, beside its name: a small label
// ("Кодировка: UTF-8", with the count of replaced bytes when there are any) and
// a compact box to force another encoding ("Авто", then the encodings a user may
// choose). Showing a newly chosen file sets the box back to "Авто".
// GUI thread only.
class EncodingChooser final : public QWidget {
  public:
    explicit EncodingChooser(QWidget* parent);

    void showDetected(SourceEncoding encoding, std::size_t invalidBytes);
    // The encoding the user forced; nullopt for "Авто" (the job detects it).
    std::optional<TextEncoding> forced() const;

    QLabel* label() const { return label_; }
    QComboBox* box() const { return box_; }

  private:
    QLabel* label_;
    QComboBox* box_;
};

}  // namespace undertext::ui
