#pragma once

#include <cassert>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/files/file_io.h"
#include "common/core/files/leftover_files.h"
#include "common/core/messages/translatable.h"
#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"

namespace undertext::embed {

// PreparedText: the lower-cased letters of a text joined without separators
// (TextLetters) and the word slots that cut them. Positions count from 1, slots
// from 1; slot i holds positions wordEnd[i-1] + 1 to wordEnd[i] and may be empty.
// Immutable once built; safe to read from several threads.
struct PreparedText {
    std::string letters;
    std::vector<std::uint32_t> wordEnd{0};

    std::uint32_t letterCount() const { return static_cast<std::uint32_t>(letters.size()); }
    std::uint32_t wordCount() const { return static_cast<std::uint32_t>(wordEnd.size() - 1); }
    // TextWords[slot]: the letters of the slot (empty for an empty slot).
    std::string_view textWord(std::uint32_t slot) const {
        assert(slot >= 1 && slot < wordEnd.size());
        return std::string_view(letters).substr(wordEnd[slot - 1],
                                                wordEnd[slot] - wordEnd[slot - 1]);
    }
};

// Reduces a text's bytes to its letters and slots: every letter of the language is
// lowered and appended to the current slot; a run of other bytes closes the slot,
// and the end of the text closes one more. So a leading separator gives an empty
// first slot and a trailing one an empty last slot. The text must be shorter than
// 4 GiB (the slot tables hold 32-bit positions). When sourcePositions is given, it
// receives, for each letter in order, the 0-based byte position in text of the
// byte it came from (4 bytes per letter).
PreparedText prepareLetters(std::string_view text, Language language,
                            std::vector<std::uint32_t>* sourcePositions = nullptr);

// The temporary letter file of a source: "~$" + the source name, beside it.
std::filesystem::path letterFilePath(const std::filesystem::path& sourceFolder,
                                     const std::string& sourceName);

inline constexpr const char* kTextTooShortMessage = UNDERTEXT_TRANSLATABLE(
    "CoreMessage", "Программа работает только с текстами, содержащими 3 и более знаков.");

// The largest source accepted: the suffix sorting of the search addresses letters
// with 32-bit signed positions.
inline constexpr std::uint64_t kMaxSourceBytes = kMaxInputBytes;

struct PrepareResult {
    enum class Kind { Prepared, TextTooShort, Failed };
    Kind kind = Kind::Failed;
    PreparedText text;
    SourceEncoding encoding;  // the source's, in which the letter file is written
    std::string error;        // for Failed: a message that names the file
    FileHold letterFile;      // marks the letter file as this run's while it exists
};

// PrepareText: reads the source and decodes it (in the forced encoding, or the
// detected one), or takes sourceText when the caller has done both already (a
// pipe can be read only once), refuses a text of 3 characters or fewer
// (TextTooShort, nothing written), and otherwise writes the letter file in the
// source's encoding (replacing any file of that name) and leaves it in place for
// the caller to delete once the dictionary is loaded. A source that cannot be
// read, or is too large, and a letter file that cannot be written give Failed;
// then no letter file is left behind. With LetterFile::Skip nothing is written.
enum class LetterFile { Write, Skip };
PrepareResult prepareText(const std::filesystem::path& sourceFolder, const std::string& sourceName,
                          Language language, const DecodedText* sourceText = nullptr,
                          std::optional<TextEncoding> forced = std::nullopt,
                          LetterFile letterFile = LetterFile::Write);

}  // namespace undertext::embed
