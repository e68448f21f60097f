#include "common/ui/widgets/steady_label.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QLabel>

namespace undertext::ui {

void keepLabelWidth(QLabel& label, const QStringList& texts) {
    // Fractional advances, rounded up, so that a text of exactly the widest
    // width is not wrapped.
    const QFontMetricsF metrics(label.font());
    qreal widest = 0;
    for (const auto& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    label.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label.setMinimumWidth(static_cast<int>(std::ceil(widest)));
    label.setWordWrap(true);
}

}  // namespace undertext::ui
