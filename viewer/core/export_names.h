#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace undertext {

// The names the report viewer proposes for what it exports, in UTF-8, without the
// export's extension.

// For an export of a whole report: the source's name less its extension, then the
// report's suffix less its own extension, as the report's name spells them:
// "rasskaz.txt_EmbSortByFriq.txt" with the suffix "_EmbSortByFriq.txt" gives
// "rasskaz_EmbSortByFriq". reportName must end with suffix (letter case ignored).
std::string reportExportStem(std::string_view reportName, std::string_view suffix);

// For an export of one word or fragment: the text without its blanks at either end,
// each character a file name cannot hold ('/', control characters) as '_', cut to
// kMaxTextInName characters; fallbackStem when nothing is left.
inline constexpr std::size_t kMaxTextInName = 60;
std::string textExportStem(std::string_view utf8Text, std::string_view fallbackStem);

}  // namespace undertext
