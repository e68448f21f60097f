#include "create/core/variant_actions.h"

#include "create/core/variant_composer.h"

namespace undertext::create {
namespace {

constexpr int kMaxCandidates = 20;

}  // namespace

NextVariantStart startNextVariant(CreateSession& session) {
    session.flags.phraseActive = false;
    if (!session.flags.consentGiven) {
        return NextVariantStart::Nothing;
    }
    return session.flags.phraseAnalysed ? NextVariantStart::Compose
                                        : NextVariantStart::AnalyseFirst;
}

std::optional<std::string> finishNextVariant(CreateSession& session) {
    if (session.flags.stopRequested) {
        return std::nullopt;
    }
    std::string text;
    for (int attempt = 1; attempt <= kMaxCandidates; ++attempt) {
        text = composeCandidate(session.analysis, *session.random);
        if (!session.history.contains(text)) {
            break;
        }
    }
    session.history.store(text);
    session.flags.phraseActive = true;
    return text;
}

const std::string& showPreviousVariant(CreateSession& session) {
    return session.history.stepBack();
}

}  // namespace undertext::create
