#include "viewer/ui/concordance_note.h"

#include <QPainter>

#include "viewer/ui/visible_blanks.h"

namespace undertext::ui {
namespace {

const QString kOpenQuote = QStringLiteral("«");
const QString kCloseQuote = QStringLiteral("»");

// A caption's line is never narrower than this many average characters.
constexpr int kMinimumCaptionCharacters = 12;

}  // namespace

ConcordanceNote::ConcordanceNote(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("ConcordanceNote"));
    // A file name or fragment that looks like markup is shown as it stands.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void ConcordanceNote::showMessage(const QString& message) {
    chosen_.clear();
    found_.clear();
    setToolTip({});
    setWordWrap(true);
    setText(message);
    updateGeometry();
}

void ConcordanceNote::showCaption(const QString& chosen, const QString& found) {
    chosen_ = chosen;
    found_ = found;
    const QString caption = kOpenQuote + chosen + kCloseQuote + found;
    // Rich text so that a long caption wraps in the tool tip; pre-wrap keeps blanks.
    setToolTip(
        QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(caption.toHtmlEscaped()));
    setWordWrap(false);
    setText(caption);
    updateGeometry();
    update();
}

QSize ConcordanceNote::sizeHint() const {
    return isCaption() ? minimumSizeHint() : QLabel::sizeHint();
}

QSize ConcordanceNote::minimumSizeHint() const {
    if (!isCaption()) {
        return QLabel::minimumSizeHint();
    }
    const auto margins = contentsMargins();
    return {fontMetrics().averageCharWidth() * kMinimumCaptionCharacters + margins.left() +
                margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

void ConcordanceNote::paintEvent(QPaintEvent* event) {
    if (!isCaption()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect line = contentsRect();
    const auto metrics = fontMetrics();
    const QString after = kCloseQuote + found_;
    // The word or fragment gives up its end first, so that what was found stays
    // in view; then the line as a whole.
    const int room = line.width() - metrics.horizontalAdvance(kOpenQuote + after);
    const auto chosen = MarkedText().append(chosen_, true).elided(metrics, room);
    const auto caption = MarkedText()
                             .append(kOpenQuote, false)
                             .append(chosen)
                             .append(after, false)
                             .elided(metrics, line.width());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    caption.draw(painter, line, Qt::AlignLeft | Qt::AlignVCenter, blankMarkColor());
}

}  // namespace undertext::ui
