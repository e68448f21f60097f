#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"
#include "viewer/core/summary_by_text.h"

namespace undertext {

// The texts a corpus summary names, as the viewer finds and measures them.

// Where a text named in a by-text file (UTF-8, as the run got it) is: an absolute
// name as it stands; a relative one in the summary's folder, else in the current
// folder. nullopt when neither holds a regular file of that name.
std::optional<std::filesystem::path> locateSummaryText(const std::string& name,
                                                       const std::filesystem::path& summaryFolder,
                                                       const std::filesystem::path& currentFolder);

// A text found and read: its encoding (detected), the language it holds more
// letters of, and its letters in that language, as Embed's search counts them.
struct MeasuredText {
    std::filesystem::path path;
    TextEncoding encoding = TextEncoding::Windows1251;
    Language language = Language::Russian;
    std::uint64_t letters = 0;
};

// The text measured, or nullopt when it cannot be found or read.
std::optional<MeasuredText> measureSummaryText(const std::string& name,
                                               const std::filesystem::path& summaryFolder,
                                               const std::filesystem::path& currentFolder);

// count per million letters; 0 for a text without letters.
double perMillionLetters(std::uint64_t count, std::uint64_t letters);

// A term's value in one text: its count per million of the text's letters, or its
// bare count when the text's letters are not known.
struct TextValue {
    double value = 0;
    bool perMillion = true;
};

// The term's value in every text, by text index (letters has one entry per text):
// 0 where the term does not stand.
std::vector<TextValue> perTextValues(const std::vector<TextCount>& counts,
                                     const std::vector<std::optional<std::uint64_t>>& letters);

}  // namespace undertext
