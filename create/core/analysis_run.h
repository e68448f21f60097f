#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/job_control.h"
#include "common/core/job_events.h"
#include "common/core/text/letters.h"
#include "create/core/create_session.h"
#include "create/core/phrase_search.h"

namespace undertext::create {

inline constexpr const char* kNoModuleMessage = "Выберите модули словарей.";
inline constexpr const char* kNoLetterMessage =
    "В строке \"Исходный текст\" должен быть хотя бы один знак на выбранном языке.";

// What the window holds when a run starts.
struct AnalysisRequest {
    std::string phrase;  // the phrase box text, Windows-1251; only its first 80 characters count
    Language language = Language::Russian;
    std::vector<std::string> selectedModules;
    std::filesystem::path startFolder;
};

// The run's effects on the window, called on the window's thread in the order
// the run makes them: the job events (the run buttons are the four action
// buttons: next, previous, save, add modules) and two of the phrase box.
class AnalysisEffects : public JobEvents {
  public:
    virtual void focusPhraseBox() {}
    // Empties the phrase box, then writes the text (Windows-1251): two edits.
    virtual void rewritePhraseBox(std::string_view /*normalisedPhrase*/) {}
};

// A synthesis run in three steps, so that a window can run the middle one on a
// worker thread:
// beginAnalysis (window thread): run control and normalisation up to progress 2.
// Returns the search to run, or nullopt when the run ends here (no consent, or
// refused with a message: no module, no letter, a module that cannot be read).
std::optional<SearchInput> beginAnalysis(CreateSession& session, const AnalysisRequest& request,
                                         AnalysisEffects& effects);

// searchPhrase (phrase_search.h), any thread, then completeAnalysis (window
// thread) with its result: keeps the analysis, shows 100, sets PhraseAnalysed
// and enables the buttons. A stopped search (nullopt), or a result arriving after
// a confirmed stop, changes nothing but leaves StopRequested set.
void completeAnalysis(CreateSession& session, std::optional<PhraseAnalysis> result,
                      AnalysisEffects& effects);

// The three steps in a row on the calling thread.
void analysePhrase(CreateSession& session, const AnalysisRequest& request, AnalysisEffects& effects,
                   JobControl& job);

}  // namespace undertext::create
