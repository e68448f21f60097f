#include "common/core/dictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core/dictionary_modules.h"
#include "tests/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;

std::vector<std::string> fieldsOf(std::string_view module) {
    DicWords words;
    appendModuleFields(module, words);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        out.emplace_back(words[i]);
    }
    return out;
}

using Fields = std::vector<std::string>;

TEST(ModuleFields, LinesCommasAndQuotes) {
    EXPECT_EQ(fieldsOf("кот\r\nпёс\r\n"), (Fields{"кот", "пёс"}));
    EXPECT_EQ(fieldsOf("a\r\n\r\nb"), (Fields{"a", "", "b"}));  // blank line: word of length 0
    EXPECT_EQ(fieldsOf("a,b\r\n"), (Fields{"a", "b"}));
    EXPECT_EQ(fieldsOf("a,,b\r\n"), (Fields{"a", "", "b"}));
    EXPECT_EQ(fieldsOf("\"x, y\"\r\nz\r\n"), (Fields{"x, y", "z"}));
    EXPECT_EQ(fieldsOf("\"x\"junk,y"), (Fields{"x", "y"}));
    EXPECT_EQ(fieldsOf("  a  ,\tb \r\n"), (Fields{"a", "b"}));
    EXPECT_EQ(fieldsOf("Кот\r\n"), (Fields{"Кот"}));  // stored as read: no case change
}

TEST(ModuleFields, EndsOfFile) {
    EXPECT_EQ(fieldsOf(""), Fields{});
    EXPECT_EQ(fieldsOf("\r\n"), Fields{""});
    EXPECT_EQ(fieldsOf("a\r\n"), Fields{"a"});
    EXPECT_EQ(fieldsOf("a"), Fields{"a"});
    EXPECT_EQ(fieldsOf("a,"), Fields{"a"});
    EXPECT_EQ(fieldsOf("a,\r\n"), (Fields{"a", ""}));
}

TEST(ModuleFields, OddInputLoadsWithADocumentedResult) {
    EXPECT_EQ(fieldsOf("a\nb\rc\r\n"), (Fields{"a", "b", "c"}));  // lone LF and CR end fields
    EXPECT_EQ(fieldsOf("\"open, never\r\nclosed"), Fields{"open, never\r\nclosed"});
    EXPECT_EQ(fieldsOf(std::string("a\0b\r\n", 5)), Fields{std::string("a\0b", 3)});
    const std::string longLine(1 << 20, 'z');
    EXPECT_EQ(fieldsOf(longLine + "\r\nq"), (Fields{longLine, "q"}));
}

TEST(LoadDicWords, ModulesFollowEachOtherInListOrder) {
    TempFolder folder;
    folder.write("one.dic", "a\r\nb\r\nc\r\n");
    folder.write("Two.DIC", "d\r\ne\r\n");
    const auto words = loadDicWords(folder.path(), {"one.dic", "two.dic", "ONE.DIC"});
    ASSERT_TRUE(words) << words.error();
    ASSERT_EQ(words->size(), 8U);
    const Fields expected{"a", "b", "c", "d", "e", "a", "b", "c"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ((*words.operator->())[i], expected[i]);
    }
}

TEST(LoadDicWords, CountsAcrossTheGrowthBoundaries) {
    TempFolder folder;
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "w" + string.
    const auto word = [](std::size_t i) {
        std::string text = "w";
        text += std::to_string(i);
        return text;
    };
    for (const std::size_t count : {700000U, 700001U, 740001U}) {
        std::string module;
        module.reserve(count * 9);
        for (std::size_t i = 0; i < count; ++i) {
            module += word(i);
            module += "\r\n";
        }
        folder.write("big.dic", module);
        const auto words = loadDicWords(folder.path(), {"big.dic"});
        ASSERT_TRUE(words);
        ASSERT_EQ(words->size(), count);
        EXPECT_EQ((*words.operator->())[count - 1], word(count - 1));
        // One buffer and an offset table: well under twice the file.
        EXPECT_LE(words->memoryUsed(), 2 * module.size());
    }
}

TEST(LoadDicWords, AModuleThatCannotBeOpenedIsNamed) {
    TempFolder folder;
    folder.write("here.dic", "a\r\n");
    const auto words = loadDicWords(folder.path(), {"here.dic", "gone.dic"});
    ASSERT_FALSE(words);
    EXPECT_NE(words.error().find("gone.dic"), std::string::npos);
    EXPECT_TRUE(loadDicWords(folder.path(), {"here.dic"}));
}

TEST(LoadDicWords, EmptyModulesGiveNoWords) {
    TempFolder folder;
    folder.write("empty.dic", "");
    const auto words = loadDicWords(folder.path(), {"empty.dic"});
    ASSERT_TRUE(words);
    EXPECT_TRUE(words->empty());
}

TEST(DictionaryModules, NamesAreMatchedWithoutRegardToCase) {
    TempFolder folder;
    EXPECT_FALSE(hasAnyModule(folder.path()));
    folder.write("common.dic", "a\r\n");
    folder.write("Словарь.DiC", "b\r\n");
    folder.write("notes.txt", "");
    EXPECT_TRUE(hasAnyModule(folder.path()));
    EXPECT_EQ(availableModules(folder.path()), (Fields{"common.dic", "Словарь.DiC"}));
    const auto defaults = lookUpDefaultModules(folder.path());
    EXPECT_EQ(defaults.russian, "common.dic");
    EXPECT_EQ(defaults.english, "");
    EXPECT_EQ(loadDicWords(folder.path(), {"СЛОВАРЬ.dic"})->size(), 1U);
}

TEST(DictionaryModules, LanguageChangeResetsToTheDefault) {
    const DefaultModules both{"COMMON.DIC", "COMMON_E.DIC"};
    EXPECT_EQ(modulesForLanguage(Language::Russian, both), Fields{"COMMON.DIC"});
    EXPECT_EQ(modulesForLanguage(Language::English, both), Fields{"COMMON_E.DIC"});
    EXPECT_EQ(modulesForLanguage(Language::English, DefaultModules{"COMMON.DIC", ""}), Fields{});
    EXPECT_TRUE(noModuleSelected({}));
    EXPECT_TRUE(noModuleSelected({"", "a.dic"}));
    EXPECT_FALSE(noModuleSelected({"a.dic"}));
}

}  // namespace
}  // namespace undertext
