#pragma once

#include <string>

#include <QString>

namespace undertext::ui {

// A core's message as a window shows it, in the interface language: the pattern
// that makes it (see message_catalogue.h) goes through Qt's translation system,
// and so do its values in turn (a reason inside a message is a message too). A
// message that no pattern makes, such as a system's own words, is shown as it is.
QString shownMessage(const std::string& message);

}  // namespace undertext::ui
