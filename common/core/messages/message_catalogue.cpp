#include "common/core/messages/message_catalogue.h"

#include "common/core/messages/message_pattern.h"

namespace undertext {
namespace {

constexpr CatalogueEntry kEnglish[] = {
#include "common/core/messages/english_catalogue.inc"
};

}  // namespace

std::span<const CatalogueEntry> englishCatalogue() {
    return kEnglish;
}

std::optional<MessageMatch> matchMessage(std::string_view context, std::string_view message) {
    for (const auto& entry : kEnglish) {
        if (entry.context == context && entry.source == message) {
            return MessageMatch{&entry, {}};
        }
    }
    for (const auto& entry : kEnglish) {
        if (entry.context != context || entry.source.find('%') == std::string_view::npos) {
            continue;
        }
        if (auto values = matchPattern(entry.source, message)) {
            return MessageMatch{&entry, std::move(*values)};
        }
    }
    return std::nullopt;
}

std::string englishMessage(std::string_view context, std::string_view message) {
    auto match = matchMessage(context, message);
    if (!match) {
        return std::string(message);
    }
    for (auto& value : match->values) {
        value = englishMessage(context, value);
    }
    return fillIn(match->entry->english, match->values);
}

}  // namespace undertext
