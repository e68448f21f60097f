#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/core/result.h"
#include "common/core/text/text_encoding.h"
#include "create/core/create_session.h"
#include "create/core/phrase_analysis.h"

namespace undertext::create {

// The results file of a completed analysis (Windows-1251, CR LF): the phrase box
// text and the variant on display in upper case, then for every word its left
// and right words per transition, refrains, embedded words and the five
// cross-word lists, each list on one line. phraseBox and variantShown are
// Windows-1251 as the window holds them. The same text as saveRez writes.
std::string resultsFileText(std::string_view phraseBox, std::string_view variantShown,
                            const PhraseAnalysis& analysis);

// SaveRez: writes the results file in pieces as it is formatted (it can run to
// hundreds of megabytes), in Windows-1251 or the encoding given (UTF-8 when the
// user asks for it), replacing any file of that name only once it is complete; a
// failure leaves the old file as it was and names the file.
Status saveRez(const std::filesystem::path& file, std::string_view phraseBox,
               std::string_view variantShown, const PhraseAnalysis& analysis,
               SourceEncoding fileEncoding = {});

// The folder the save dialog starts in: LastSaveFolder, first taken from
// "LastPathSynth.txt" in startFolder when that file holds a line (read back
// upper-cased and resolved on disk without regard to case).
std::filesystem::path saveDialogFolder(CreateSession& session,
                                       const std::filesystem::path& startFolder);

// After the user confirmed a file in the save dialog: writes the results file
// and, only when it was written, remembers its folder in LastSaveFolder and in
// "LastPathSynth.txt". The first failure is returned (its message names the file).
Status saveResults(CreateSession& session, const std::filesystem::path& startFolder,
                   const std::filesystem::path& file, std::string_view phraseBox,
                   std::string_view variantShown, SourceEncoding fileEncoding = {});

}  // namespace undertext::create
