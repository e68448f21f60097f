#pragma once

#include <QStringList>

class QLabel;

namespace undertext::ui {

// Keeps a label in a window's layout from changing the window's width: the
// label takes at least the room of the widest of texts and otherwise what its
// row leaves, and a longer text wraps on to further lines. GUI thread only.
void keepLabelWidth(QLabel& label, const QStringList& texts);

}  // namespace undertext::ui
