#pragma once

#include <gtest/gtest.h>

#include <QLabel>

namespace undertext::testing {

// Expects a word-wrapping label to show its whole text within its contents, on
// one line when oneLine holds and on more otherwise.
inline void expectShownWhole(const QLabel& label, bool oneLine) {
    const QRect needed =
        label.fontMetrics().boundingRect(label.contentsRect(), Qt::TextWordWrap, label.text());
    EXPECT_LE(needed.width(), label.contentsRect().width()) << label.text().toStdString();
    EXPECT_LE(needed.height(), label.contentsRect().height()) << label.text().toStdString();
    EXPECT_EQ(needed.height() == label.fontMetrics().lineSpacing(), oneLine)
        << label.text().toStdString();
}

}  // namespace undertext::testing
