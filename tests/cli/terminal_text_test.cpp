#include "cli/terminal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace undertext::cli {
namespace {

TEST(TerminalText, ControlCharactersShowInCaretNotation) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"мама мыла раму", "мама мыла раму"},
        {"\x1b[31mКРАСНЫЙ", "^[[31mКРАСНЫЙ"},
        {std::string("a\0b", 3), "a^@b"},
        {"\x0b\x0c\r\n\t", "^K^L^M^J^I"},
        {"\x1f\x7f", "^_^?"},
        // C1 controls, U+0080 to U+009F; U+00A0 and on are characters.
        {"\xc2\x9b"
         "2J \xc2\x80 \xc2\x9f \xc2\xa0",
         "M-^[2J M-^@ M-^_ \xc2\xa0"},
        // Bytes that are no UTF-8 pass; a lone 0xC2 at the end too.
        {"\xff\xfe \xc2", "\xff\xfe \xc2"},
        {"^[", "^["},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(visible(c.text), c.shown) << c.shown;
    }
    EXPECT_EQ(visibleLine({"12", "a\tb", "", "c\n"}), "12\ta^Ib\t\tc^J\n");
    EXPECT_EQ(visibleLine({"x"}), "x\n");
}

}  // namespace
}  // namespace undertext::cli
