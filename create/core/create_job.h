#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/core/job_control.h"
#include "common/core/job_outcome.h"
#include "common/core/messages/translatable.h"
#include "common/core/result.h"
#include "common/core/text/letters.h"
#include "create/core/phrase_analysis.h"
#include "create/core/phrase_search.h"
#include "create/core/phrase_words.h"

namespace undertext::create {

inline constexpr const char* kNoLetterMessage = UNDERTEXT_TRANSLATABLE(
    "CoreMessage", "В строке \"Исходный текст\" должен быть хотя бы один знак на выбранном языке.");

// What a synthesis run is given.
struct CreateRequest {
    std::string phrase;  // the phrase box text, Windows-1251; only its first 80 characters count
    Language language = Language::Russian;
    std::vector<std::string> selectedModules;
    std::filesystem::path startFolder;
    // The search's input when the caller has prepared it already (a window does, on
    // its own thread, so that a refusal shows at once); empty: the job prepares it.
    std::optional<SearchInput> prepared;
};

// A completed run carries the phrase's analysis.
using CreateOutcome = JobOutcome<PhraseAnalysis>;

// The refusal a request meets before anything is read: no module
// (kChooseModulesMessage, ended with a full stop as Create's messages are).
Status checkCreateRequest(const CreateRequest& request);

// The phrase as a run takes it: its first 80 characters split into words.
PhraseWords phraseWordsOf(const CreateRequest& request);

// The search's input for the phrase's words, or the refusal: no letter of the
// language (kNoLetterMessage), a module that cannot be read (naming it).
Result<SearchInput> prepareSearch(PhraseWords words, const CreateRequest& request);

// The synthesis job. Unless the request comes prepared, it refuses what
// checkCreateRequest and prepareSearch refuse and then reports progress 2. Then
// the search of searchPhrase, with its stop points and progress; a completed run
// reports 100 and carries the analysis. Touches nothing but its arguments, so it
// may run on a worker thread.
CreateOutcome createJob(const CreateRequest& request, JobControl& control);

}  // namespace undertext::create
