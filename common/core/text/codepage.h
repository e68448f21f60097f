#pragma once

#include <string>
#include <string_view>

namespace undertext {

// The one place where Windows-1251 meets UTF-8. The core works on Windows-1251
// bytes; these conversions are used only at the edges (what a window shows or
// reads, command-line arguments, literal texts held in the source as UTF-8).

// Every Windows-1251 byte has a UTF-8 form (the one unassigned byte, 0x98, maps
// to U+0098), so this conversion never fails.
std::string cp1251ToUtf8(std::string_view cp1251);

// Characters that Windows-1251 cannot hold, and malformed UTF-8, become '?',
// which is a separator for every text rule of the system.
std::string utf8ToCp1251(std::string_view utf8);

// The Unicode code point of a Windows-1251 byte.
char32_t cp1251CodePoint(unsigned char byte);

// The Windows-1251 byte of a code point, or -1 when the code page cannot hold it.
int cp1251ByteOf(char32_t codePoint);

// Decodes the UTF-8 character at text[pos] into codePoint and returns its length
// in bytes, or 0 for a malformed sequence (overlong forms, surrogates and values
// past U+10FFFF are malformed).
std::size_t decodeUtf8Char(std::string_view text, std::size_t pos, char32_t& codePoint);

// Appends the UTF-8 form of a code point (at most U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

// True when every character of the UTF-8 text has a Windows-1251 form.
bool fitsCp1251(std::string_view utf8);

}  // namespace undertext
