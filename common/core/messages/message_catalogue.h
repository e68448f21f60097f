#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace undertext {

// One message of the English translation: its context, its Russian source (a
// pattern, see message_pattern.h) and its English.
struct CatalogueEntry {
    std::string_view context;
    std::string_view source;
    std::string_view english;
};

// The messages of the contexts that code without Qt shows, made at build time
// from translations/undertext_en.ts.
std::span<const CatalogueEntry> englishCatalogue();

struct MessageMatch {
    const CatalogueEntry* entry;
    std::vector<std::string> values;  // the placeholders' texts, %1 first
};

// The entry of context whose source makes message: one that is the message
// itself first, else the first pattern that matches; nullopt for none.
std::optional<MessageMatch> matchMessage(std::string_view context, std::string_view message);

// message in English: its entry's English with its values in English in turn
// (a reason inside a message is a message too); unchanged when no entry matches.
std::string englishMessage(std::string_view context, std::string_view message);

}  // namespace undertext
