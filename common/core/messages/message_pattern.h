#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace undertext {

// A message pattern holds placeholders %1 to %9, each at most once, where the
// variable parts go (a file name, a count, another message). A % not followed by
// a digit from 1 to 9 is literal.

// The pattern with %N replaced by values[N-1], in one pass: a value that itself
// holds "%1" stays as it is. A placeholder without a value stays too.
std::string fillIn(std::string_view pattern, const std::vector<std::string>& values);

// The values that make message out of pattern (fillIn(pattern, values) ==
// message), each placeholder taking the shortest text that lets the rest match;
// nullopt when no values do. A pattern without placeholders matches only itself.
std::optional<std::vector<std::string>> matchPattern(std::string_view pattern,
                                                     std::string_view message);

}  // namespace undertext
