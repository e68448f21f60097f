#include "common/core/kwic_lines.h"

#include <gtest/gtest.h>

#include "common/core/codepage.h"

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
        EXPECT_EQ(tabSeparated(kwicLine(source, c.span, c.width)), c.line) << c.line;
    }
    // Every Windows-1251 character comes out as UTF-8.
    const auto line = kwicLine("\xA8\xB8 \x98", {0, 2}, 40);
    EXPECT_EQ(line.span, "Ёё");
    EXPECT_EQ(line.right, " \xC2\x98");
}

}  // namespace
}  // namespace undertext
