#include "common/core/messages/message_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/disk_space.h"
#include "common/core/files/file_io.h"
#include "common/core/files/source_name.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"

namespace undertext {
namespace {

bool hasCyrillic(std::string_view text) {
    // Cyrillic letters are two bytes in UTF-8 whose first is 0xD0 to 0xD3.
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xD0 && byte <= 0xD3) {
            return true;
        }
    }
    return false;
}

std::string english(std::string_view message) {
    return englishMessage(kCoreMessageContext, message);
}

TEST(MessageCatalogue, HoldsTheCoreMessagesWithTheirEnglish) {
    std::size_t coreMessages = 0;
    for (const auto& entry : englishCatalogue()) {
        if (entry.context == kCoreMessageContext) {
            ++coreMessages;
            EXPECT_TRUE(hasCyrillic(entry.source)) << entry.source;
            EXPECT_FALSE(entry.english.empty()) << entry.source;
        }
    }
    EXPECT_GT(coreMessages, 0u);
}

TEST(MessageCatalogue, PutsTheCoresMessagesIntoEnglishWithTheirValuesKept) {
    const std::filesystem::path file = "/папка/текст.txt";
    const struct {
        std::string message;
        std::string_view kept;  // a value that passes untranslated
    } cases[] = {
        {kChooseSourceMessage, ""},
        {tooLargeMessage(file), "/папка/текст.txt"},
        {outOfMemoryMessage(file), "/папка/текст.txt"},
        {notInSourceFolderMessage("t.txt", "/work"), "/work"},
        // A message within a message: both are translated.
        {noModuleFileMessage("MY.DIC"), "MY.DIC"},
        {sizeText(500), "500"},
        {sizeText(3 * 1024 * 1024 / 2), "1,5"},
    };
    for (const auto& [message, kept] : cases) {
        const std::string translated = english(message);
        EXPECT_NE(translated, message);
        EXPECT_NE(translated.find(kept), std::string::npos) << translated;
        // The folder's and file's own Russian names are data; nothing else stays Russian.
        std::string withoutData = translated;
        if (!kept.empty()) {
            withoutData.erase(withoutData.find(kept), kept.size());
        }
        EXPECT_FALSE(hasCyrillic(withoutData)) << translated;
    }
}

TEST(MessageCatalogue, LeavesAMessageOfNoPatternAsItIs) {
    for (const std::string_view message : {"", "Permission denied", "Файл", "Это папка"}) {
        EXPECT_EQ(english(message), message);
        EXPECT_FALSE(matchMessage(kCoreMessageContext, message));
    }
    EXPECT_FALSE(matchMessage("another context", kChooseSourceMessage));
}

TEST(MessageCatalogue, EveryPatternMatchesTheMessagesItMakes) {
    for (const auto& entry : englishCatalogue()) {
        const std::string message = fillIn(entry.source, {"«a»", "7", "b.txt"});
        const auto match = matchMessage(entry.context, message);
        ASSERT_TRUE(match) << entry.source;
        // Another pattern may make the same text only if it reads the same in English.
        EXPECT_EQ(fillIn(match->entry->english, match->values),
                  fillIn(entry.english, {"«a»", "7", "b.txt"}))
            << entry.source;
    }
}

}  // namespace
}  // namespace undertext
