#include "common/ui/app/shown_message.h"

#include <vector>

#include <QCoreApplication>

#include "common/core/messages/message_catalogue.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"

namespace undertext::ui {

QString shownMessage(const std::string& message) {
    const auto match = matchMessage(kCoreMessageContext, message);
    if (!match) {
        return QString::fromStdString(message);
    }
    const std::string source(match->entry->source);
    const std::string pattern =
        QCoreApplication::translate(kCoreMessageContext, source.c_str()).toStdString();
    std::vector<std::string> values;
    for (const auto& value : match->values) {
        values.push_back(shownMessage(value).toStdString());
    }
    return QString::fromStdString(fillIn(pattern, values));
}

}  // namespace undertext::ui
