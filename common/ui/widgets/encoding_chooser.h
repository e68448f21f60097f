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
// choose). The label names the encoding in force, detected or forced, in the
// room of the widest encoding name or what its row leaves beyond it, so that the
// window keeps its width whatever it names; a count wraps on to further lines.
// Showing a newly chosen file sets the box back to "Авто".
// GUI thread only.
class EncodingChooser final : public QWidget {
  public:
    explicit EncodingChooser(QWidget* parent);

    // A newly chosen file: its detected encoding, and the box back to "Авто".
    void showDetected(SourceEncoding encoding, std::size_t invalidBytes);
    // The encoding the text is decoded in now; the box stays as it is.
    void showInForce(SourceEncoding encoding, std::size_t invalidBytes);
    // The bytes replaced in the encoding in force, as last shown.
    std::size_t replacedBytes() const { return replacedBytes_; }
    // The encoding the user forced; nullopt for "Авто" (the job detects it).
    std::optional<TextEncoding> forced() const;

    QLabel* label() const { return label_; }
    QComboBox* box() const { return box_; }

  private:
    QLabel* label_;
    QComboBox* box_;
    std::size_t replacedBytes_ = 0;
};

// ", заменено неверных байтов: N" for a count above 0; empty for none.
QString replacedBytesText(std::size_t invalidBytes);

}  // namespace undertext::ui
