#include "create/core/variant_composer.h"

#include <cassert>
#include <string_view>
#include <vector>

namespace undertext::create {
namespace {

struct Parts {
    std::string_view first;
    std::string_view second;
};

// The draws of one composition, over the analysis and its dictionary.
class Composer {
  public:
    Composer(const PhraseAnalysis& analysis, RandomSource& random)
        : dic_(*analysis.dicWords), random_(random) {}

    template <typename T>
    const T& draw(const std::vector<T>& list) {
        return list[drawPosition(random_, list.size()) - 1];
    }

    std::string_view word(DicIndex index) const { return dic_[static_cast<std::size_t>(index)]; }

    // A word drawn from the stretch of a left or right word list.
    std::string_view drawFromStretch(const std::vector<TransitionEntry>& list,
                                     const std::vector<ListStretch>& ranges,
                                     std::size_t transition) {
        const auto stretch = transition < ranges.size() ? ranges[transition] : ListStretch{};
        const auto position = drawPosition(random_, static_cast<std::size_t>(stretch.size()));
        if (stretch.size() == 0) {
            return {};
        }
        return word(list[static_cast<std::size_t>(stretch.begin) + position - 1].index);
    }

    std::string_view leftWord(const WordAnalysis& w, std::size_t t) {
        return drawFromStretch(w.w1List, w.w1Range, t);
    }
    std::string_view rightWord(const WordAnalysis& w, std::size_t t) {
        return drawFromStretch(w.w2List, w.w2Range, t);
    }

    std::size_t drawPositionOver(std::size_t n) { return drawPosition(random_, n); }

  private:
    const DicWords& dic_;
    RandomSource& random_;
};

}  // namespace

std::string composeCandidate(const PhraseAnalysis& analysis, RandomSource& random) {
    assert(analysis.dicWords && analysis.wordAnalyses.size() == analysis.words.size());
    Composer composer(analysis, random);
    const auto count = analysis.words.size();
    std::vector<Parts> parts(count);
    bool previousCrossWord = false;
    for (std::size_t i = 0; i < count; ++i) {
        const auto& w = analysis.wordAnalyses[i];
        const int choices = (i == 0 || previousCrossWord) ? w.singleModeCount : w.modeCount;
        const auto mode = w.modeAt(
            static_cast<int>(composer.drawPositionOver(static_cast<std::size_t>(choices))));
        previousCrossWord = mode >= VariantMode::Wp2W1;
        switch (mode) {
            case VariantMode::Transition: {
                const std::size_t k = composer.drawPositionOver(w.keptTransitions.size());
                const std::size_t t = w.keptTransitions.empty() ? 0 : w.keptTransitions[k - 1];
                const auto left = composer.leftWord(w, t);
                const auto right = composer.rightWord(w, t);
                parts[i] = t == 0 ? Parts{analysis.words[i], {}} : Parts{left, right};
                break;
            }
            case VariantMode::Refrain: {
                const auto refrain = composer.word(composer.draw(w.rList));
                parts[i] = {refrain, refrain};
                break;
            }
            case VariantMode::Embedded:
                parts[i] = {composer.word(composer.draw(w.eList)), {}};
                break;
            case VariantMode::Wp2W1: {
                const auto& entry = composer.draw(w.wp2W1List);
                const auto right = composer.rightWord(w, entry.current);
                const auto previousLeft =
                    composer.leftWord(analysis.wordAnalyses[i - 1], entry.previous);
                parts[i] = {composer.word(entry.index), right};
                parts[i - 1] = {previousLeft, {}};
                break;
            }
            case VariantMode::RpW1: {
                const auto& entry = composer.draw(w.rpW1List);
                const auto right = composer.rightWord(w, entry.transition);
                const auto previousRefrain =
                    composer.word(composer.draw(analysis.wordAnalyses[i - 1].rList));
                parts[i] = {composer.word(entry.index), right};
                parts[i - 1] = {previousRefrain, {}};
                break;
            }
            case VariantMode::EpW1: {
                const auto& entry = composer.draw(w.epW1List);
                const auto right = composer.rightWord(w, entry.transition);
                parts[i] = {composer.word(entry.index), right};
                parts[i - 1] = {};
                break;
            }
            case VariantMode::Wp2R: {
                const auto& entry = composer.draw(w.wp2RList);
                const auto previousLeft =
                    composer.leftWord(analysis.wordAnalyses[i - 1], entry.transition);
                const auto shared = composer.word(entry.index);
                parts[i] = {shared, shared};
                parts[i - 1] = {previousLeft, {}};
                break;
            }
            case VariantMode::Wp2E: {
                const auto& entry = composer.draw(w.wp2EList);
                const auto previousLeft =
                    composer.leftWord(analysis.wordAnalyses[i - 1], entry.transition);
                parts[i] = {composer.word(entry.index), {}};
                parts[i - 1] = {previousLeft, {}};
                break;
            }
        }
    }
    std::string text;
    for (const auto& part : parts) {
        text.append(part.first).append(1, ' ').append(part.second).append(1, ' ');
    }
    return text;
}

}  // namespace undertext::create
