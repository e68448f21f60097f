#include "viewer/core/kwic_lines.h"

#include <gtest/gtest.h>

#include "common/core/text/codepage.h"

namespace undertext {
namespace {

TEST(KwicLines, ContextsAreCutAtTheWidthAndKeptOnOneLine) {
    const auto source = utf8ToCp1251("Мама\r\nмыла\tраму,\rа кот\nел.");
    const struct {
        SourceSpan span;
        std::size_t width;
        const char* line;
    } cases[] = {
        // CR LF, CR, LF and tab each become one blank, in the span as well.
        {{6, 10}, 40, "7\tМама \tмыла\t раму, а кот ел."},
        {{2, 8}, 3, "3\tМа\tма мы\tла "},
        {{0, 4}, 5, "1\t\tМама\t мыл"},  // nothing to the left
        {{23, 26}, 2, "24\tт \tел.\t"},  // nothing to the right
        {{11, 11}, 1, "12\t \t\tр"},     // an empty span
        {{0, 26}, 0, "1\t\tМама мыла раму, а кот ел.\t"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            tabSeparated(kwicLine(decodeText(source, TextEncoding::Windows1251), c.span, c.width)),
            c.line)
            << c.line;
    }
    // Every Windows-1251 character comes out as UTF-8.
    const auto line = kwicLine(
        decodeText(std::string_view("\xA8\xB8 \x98"), TextEncoding::Windows1251), {0, 2}, 40);
    EXPECT_EQ(line.span, "Ёё");
    EXPECT_EQ(line.right, " \xC2\x98");
}

TEST(KwicLines, CharactersOutsideWindows1251ShowAsTheSourceHasThem) {
    const struct {
        std::string bytes;
        TextEncoding encoding;
        SourceSpan span;
        const char* line;
    } cases[] = {
        // A decomposed «é» (composed first), a question mark of the text, an emoji
        // and an invalid byte (shown as the replacement character).
        {"cafe\xCC\x81? \xF0\x9F\x98\x80 \xFF кот",
         TextEncoding::Utf8,
         {10, 13},
         "11\tcafé? 😀 \xEF\xBF\xBD \tкот\t"},
        {"a\xFFкот", TextEncoding::Utf8, {2, 5}, "3\ta\xEF\xBF\xBD\tкот\t"},  // no other
        {"\x80 \xCB\xCF\xD4", TextEncoding::Koi8R, {2, 5}, "3\t─ \tкот\t"},   // a box line
        {std::string("\x3D\xD8\x00\xDE\x20\x00\x3A\x04", 8),
         TextEncoding::Utf16Le,
         {0, 3},
         "1\t\t😀 к\t"},
    };
    for (const auto& c : cases) {
        const auto line = kwicLine(decodeText(c.bytes, c.encoding), c.span, 40);
        EXPECT_EQ(tabSeparated(line), c.line) << c.line;
    }
}

}  // namespace
}  // namespace undertext
