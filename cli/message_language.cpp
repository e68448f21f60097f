#include "cli/message_language.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "common/core/messages/message_catalogue.h"
#include "common/core/messages/translatable.h"

namespace undertext::cli {
namespace {

// The language an entry such as "ru_RU.UTF-8", "en-GB" or "C" names, if ours.
std::optional<MessageLanguage> languageOf(std::string_view entry) {
    const std::string_view language = entry.substr(0, entry.find_first_of("_-.@"));
    if (language == "ru") {
        return MessageLanguage::Russian;
    }
    if (language == "en") {
        return MessageLanguage::English;
    }
    return std::nullopt;
}

}  // namespace

MessageLanguage messageLanguage(const std::function<const char*(const char*)>& variable) {
    std::string_view list;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') {
            list = value;
            break;
        }
    }
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(':'), list.size());
        if (const auto language = languageOf(list.substr(0, end))) {
            return *language;
        }
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return MessageLanguage::English;
}

MessageLanguage environmentMessageLanguage() {
    static const MessageLanguage language =
        messageLanguage([](const char* name) { return std::getenv(name); });
    return language;
}

std::string inMessageLanguage(const std::string& message, MessageLanguage language) {
    return language == MessageLanguage::English ? englishMessage(kCoreMessageContext, message)
                                                : message;
}

}  // namespace undertext::cli
