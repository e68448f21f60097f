#include "common/core/dictionary/dictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/text/codepage.h"
#include "testing/support/temp_folder.h"

namespace undertext {
namespace {

using testing::TempFolder;
using Words = std::vector<std::string>;

Words wordsOf(const DicWords& words) {
    Words out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        out.emplace_back(words[i]);
    }
    return out;
}

Words fieldsOf(std::string_view module) {
    DicWords words;
    appendModuleFields(module, words);
    return wordsOf(words);
}

// The same fields packed in the module's own bytes, and appended to other words.
Words packedFieldsOf(const std::string& module) {
    DicWords words;
    words.appendModule(std::string(module));
    Words packed = wordsOf(words);
    words.appendModule(std::string(module));
    EXPECT_EQ(words.size(), 2 * packed.size());
    return packed;
}

TEST(ModuleFields, FollowTheFieldRules) {
    const std::string longLine(1 << 20, 'z');
    const struct {
        std::string module;
        Words fields;
    } cases[] = {// A last CR LF gives no extra word; a blank line is no word at all.
                 {"кот\r\nпёс\r\n", {"кот", "пёс"}},
                 {"a\r\n\r\nb", {"a", "b"}},
                 {"a\r\n \t \r\n\"\"\r\nb\r\n\r\n", {"a", "b"}},

                 {"a,,b\r\n", {"a", "b"}},
                 {"\"x, y\"\r\nz\r\n", {"x, y", "z"}},
                 {"\"x\"junk,y", {"x", "y"}},
                 {"  a  ,\tb \r\n", {"a", "b"}},

                 {"", {}},
                 {"\r\n", {}},

                 {"a,", {"a"}},
                 {"a,\r\n", {"a"}},
                 // Odd input loads with the documented result.
                 {"a\nb\rc\r\n", {"a", "b", "c"}},
                 {"\"open, never\r\nclosed", {"open, never\r\nclosed"}},
                 {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
                 {longLine + "\r\nq", {longLine, "q"}}};
    for (const auto& c : cases) {
        EXPECT_EQ(fieldsOf(c.module), c.fields) << c.module.substr(0, 20);
        EXPECT_EQ(packedFieldsOf(c.module), c.fields) << c.module.substr(0, 20);
    }
    // Fields of every length up to past two words of eight bytes, each ended by
    // each kind of terminator, so that terminators fall on every byte of a word.
    std::string module;
    Words fields;
    const char* terminators[] = {",", "\r\n", "\n", "\r"};
    for (int round = 0; round < 3; ++round) {
        for (std::size_t length = 0; length < 20; ++length) {
            const std::string field(length, static_cast<char>('a' + length));
            if (!field.empty()) {
                fields.push_back(field);
            }
            module += field + terminators[(length + round) % 4];
        }
    }
    EXPECT_EQ(fieldsOf(module), fields);
    EXPECT_EQ(packedFieldsOf(module), fields);
}

TEST(LoadDicWords, ModulesFollowEachOtherInListOrder) {
    TempFolder folder;
    folder.write("one.dic", "a\r\nb\r\nc\r\n");
    folder.write("Two.DIC", "d\r\ne\r\n");
    folder.write("empty.dic", "");
    const auto words = loadDicWords(folder.path(), {"one.dic", "two.dic", "empty.dic", "ONE.DIC"});
    ASSERT_TRUE(words) << words.error();
    EXPECT_EQ(wordsOf(words.value()), (Words{"a", "b", "c", "d", "e", "a", "b", "c"}));
    EXPECT_TRUE(loadDicWords(folder.path(), {"empty.dic"})->empty());
    // A module that cannot be opened fails the load with its name.
    const auto gone = loadDicWords(folder.path(), {"one.dic", "gone.dic"});
    ASSERT_FALSE(gone);
    EXPECT_NE(gone.error().find("gone.dic"), std::string::npos);
    // The list's first entry alone tells whether any module is chosen.
    EXPECT_TRUE(noModuleSelected({"", "a.dic"}));
}

TEST(LoadDicWords, EachModuleIsDecodedFromItsOwnEncoding) {
    TempFolder folder;
    const std::string cp1251 = utf8ToCp1251("ёж\r\nйод\r\n\"мир, труд\"\r\nword\r\n");
    folder.write("win.dic", cp1251);
    folder.write("utf8.dic", "ёж\r\nи\u0306од\r\n\"мир, труд\"\r\nword\r\n");  // й decomposed
    folder.write("utf16.dic", TextEncoder({TextEncoding::Utf16Le, true}).encodeFile(cp1251));
    folder.write("koi8.dic", TextEncoder({TextEncoding::Koi8R, false}).encode(cp1251));
    const auto words = loadDicWords(folder.path(), {"win.dic"});
    ASSERT_TRUE(words);
    EXPECT_EQ(words->size(), 4U);
    for (const auto* name : {"utf8.dic", "utf16.dic", "koi8.dic"}) {
        EXPECT_EQ(wordsOf(loadDicWords(folder.path(), {name}).value()), wordsOf(words.value()))
            << name;
    }
    EXPECT_EQ(readModule(folder.path(), "UTF16.DIC")->encoding,
              (SourceEncoding{TextEncoding::Utf16Le, true}));
    EXPECT_FALSE(readModule(folder.path(), "gone.dic"));
}

TEST(LoadDicWords, CountsAcrossTheGrowthBoundaries) {
    TempFolder folder;
    for (const std::size_t count : {700000U, 700001U, 740001U}) {
        std::string module;
        module.reserve(count * 9);
        for (std::size_t i = 0; i < count; ++i) {
            module.append("w").append(std::to_string(i)).append("\r\n");
        }
        folder.write("big.dic", module);
        const auto words = loadDicWords(folder.path(), {"big.dic"});
        ASSERT_TRUE(words);
        ASSERT_EQ(words->size(), count);
        EXPECT_EQ(words.value()[count - 1], "w" + std::to_string(count - 1));
        // One buffer and an offset table: well under twice the file.
        EXPECT_LE(words->memoryUsed(), 2 * module.size());
    }
}

}  // namespace
}  // namespace undertext
