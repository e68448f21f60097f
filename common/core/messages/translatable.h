#pragma once

// Marks a message the interfaces translate, under a context: the windows through
// Qt's translation system (lupdate reads this macro as QT_TRANSLATE_NOOP), the
// batch tool through the English catalogue made from the same translation file.
// Expands to the text itself, so the core keeps its Russian words and no Qt.
#define UNDERTEXT_TRANSLATABLE(context, text) text

namespace undertext {

// The context of the messages the cores give to the windows and the batch tool.
inline constexpr const char* kCoreMessageContext = "CoreMessage";

}  // namespace undertext
