#include "create/core/create_run.h"

#include <utility>

#include "create/core/phrase_words.h"

namespace undertext::create {

Status beginCreateRun(CreateSession& session, CreateRequest& request, CreateEffects& effects) {
    if (const auto checked = checkCreateRequest(request); !checked) {
        return checked;
    }
    session.analysis = {};
    session.history.clear();
    session.flags.phraseAnalysed = false;

    auto words = phraseWordsOf(request);
    session.normalisedPhrase = normalisedPhrase(words.words);
    effects.rewritePhraseBox(session.normalisedPhrase);
    session.flags.stopRequested = false;
    session.flags.phraseActive = true;

    // The phrase box rewrite cannot change the language (the phrase begins with a
    // letter of it), so the modules checked above are the ones loaded here.
    auto input = prepareSearch(std::move(words), request);
    if (!input) {
        return Status::failure(input.error());
    }
    request.prepared = std::move(input).value();
    effects.progress(2);
    return Status::success();
}

void finishCreateRun(CreateSession& session, CreateOutcome outcome) {
    if (outcome.ending != JobEnding::Completed || session.flags.stopRequested) {
        session.flags.stopRequested = true;
        return;
    }
    keepAnalysis(session, std::move(outcome.results));
}

void keepAnalysis(CreateSession& session, PhraseAnalysis analysis) {
    session.normalisedPhrase = normalisedPhrase(analysis.words);
    session.analysis = std::move(analysis);
    session.flags.phraseAnalysed = true;
    session.flags.stopRequested = false;
}

}  // namespace undertext::create
