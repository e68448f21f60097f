#include "create/core/analysis_run.h"

#include <utility>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "create/core/phrase_words.h"

namespace undertext::create {
namespace {

void refuse(CreateSession& session, AnalysisEffects& effects, std::string_view message) {
    effects.showMessage(std::string(message));
    effects.enableRunButtons(true);
    session.flags.stopRequested = true;
}

}  // namespace

std::optional<SearchInput> beginAnalysis(CreateSession& session, const AnalysisRequest& request,
                                         AnalysisEffects& effects) {
    if (!session.flags.consentGiven) {
        return std::nullopt;
    }
    effects.enableRunButtons(false);
    effects.focusPhraseBox();
    if (noModuleSelected(request.selectedModules)) {
        refuse(session, effects, kNoModuleMessage);
        return std::nullopt;
    }

    session.analysis = {};
    session.history.clear();
    session.flags.phraseAnalysed = false;

    const std::string_view phrase =
        std::string_view(request.phrase).substr(0, static_cast<std::size_t>(kMaxPhraseLength));
    auto split = splitPhrase(phrase, request.language);
    session.normalisedPhrase = normalisedPhrase(split.words);
    effects.rewritePhraseBox(session.normalisedPhrase);
    session.flags.stopRequested = false;
    session.flags.phraseActive = true;
    if (split.letterCount == 0) {
        refuse(session, effects, kNoLetterMessage);
        return std::nullopt;
    }

    // The phrase box rewrite cannot change the language (the phrase begins with a
    // letter of it), so the modules checked above are the ones loaded here.
    auto loaded = loadDicWords(request.startFolder, request.selectedModules);
    if (!loaded) {
        refuse(session, effects, loaded.error());
        return std::nullopt;
    }
    SearchInput input;
    input.words = std::move(split.words);
    input.letterCount = split.letterCount;
    input.dicWords = std::make_shared<const DicWords>(std::move(loaded).value());
    input.progressStep = progressStepFor(input.dicWords->size(), input.letterCount);
    effects.progress(2);
    return input;
}

void completeAnalysis(CreateSession& session, std::optional<PhraseAnalysis> result,
                      AnalysisEffects& effects) {
    if (!result || session.flags.stopRequested) {
        session.flags.stopRequested = true;
        return;
    }
    session.analysis = std::move(*result);
    effects.progress(100);
    session.flags.phraseAnalysed = true;
    session.flags.stopRequested = false;
    effects.enableRunButtons(true);
}

void analysePhrase(CreateSession& session, const AnalysisRequest& request, AnalysisEffects& effects,
                   JobControl& job) {
    const auto input = beginAnalysis(session, request, effects);
    if (!input) {
        return;
    }
    completeAnalysis(session, searchPhrase(*input, job), effects);
}

}  // namespace undertext::create
