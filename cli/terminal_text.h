#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace undertext::cli {

// What the batch tool prints comes from texts, modules and file names, so no
// character of it may drive a terminal. Everything it prints goes through here
// and shows each control character in the caret notation of `cat -v`: a C0
// control as ^ and the character 64 places on (ESC ^[, NUL ^@, a line feed ^J),
// DEL as ^?, and a C1 control (U+0080 to U+009F) as M- and the caret form of
// the C0 control 128 places back (U+009B M-^[). Tabs and line ends that the tool
// writes itself stand outside the pieces it makes visible. Text is UTF-8; a byte
// that is no UTF-8 passes as it is.
std::string visible(std::string_view utf8);
void appendVisible(std::string& out, std::string_view utf8);

// The pieces made visible, with a tab between them and a line feed after them.
std::string visibleLine(std::initializer_list<std::string_view> fields);

}  // namespace undertext::cli
