#pragma once

#include <filesystem>
#include <optional>

#include "common/core/result.h"
#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"
#include "corpus/core/text_records.h"

namespace undertext::corpus {

// The per-text records of runs made elsewhere (other machines, other calls), read
// back from the frequency report each run wrote beside its text, so that
// `undertext summary` writes the very summary an in-process run writes.
//
// The text is read and decoded (in the forced encoding, or the detected one) as
// the run did, which gives the report's encoding too. The rows are taken from the
// report, and the report this version makes from them must be the file byte for
// byte: a report made for another text, range or program version, or one that was
// changed, is refused with a message that names it. Failures name the file; texts
// and reports are only read, so several may be read at once on different threads.

// Embed: the rows of name + "_EmbSortByFriq.txt", and the text's letters prepared
// as Embed prepares them in `language` (when absent, the language the text holds
// more letters of, as `undertext embed` guesses it). A run that found nothing
// wrote no frequency report, only the text-order report; that one, listing no
// word, gives a record without words. The record names the language; with a
// model order it also holds the text's model (absent when the text is too short
// for it), fitted on the letters as the run fitted it.
Result<EmbedTextRecord> embedRecordFromReports(const std::filesystem::path& text,
                                               std::optional<Language> language,
                                               std::optional<TextEncoding> forced,
                                               std::optional<int> modelOrder = std::nullopt);

// Echoscan: the rows of name + "_RecSortByFriq.txt", whose heading must name the
// range minLength to maxLength.
Result<EchoscanTextRecord> echoscanRecordFromReports(const std::filesystem::path& text,
                                                     int minLength, int maxLength,
                                                     std::optional<TextEncoding> forced);

}  // namespace undertext::corpus
