#include "phrase_search.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "common/core/number_text.h"
#include "cross_word_join.h"

namespace undertext::create {
namespace {

// Counts tested entries and reports a progress value every `step` of them.
class ProgressCounter {
  public:
    ProgressCounter(std::int64_t step, JobControl& job) : step_(step), job_(job) {}

    void countTestedEntry() {
        if (++tested_ == step_) {
            tested_ = 0;
            value_ += 2;
            job_.progress(std::min(value_, 100));
        }
    }

  private:
    std::int64_t step_;
    JobControl& job_;
    std::int64_t tested_ = 0;
    int value_ = 0;
};

// Phrase words are short, so a plain loop beats a call of memcmp; the byte next
// to the cut is tested first because it rejects most dictionary words.
bool sameBytes(const char* a, const char* b, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

bool endsWith(std::string_view word, std::string_view tail) {
    return word.size() >= tail.size() && word.back() == tail.back() &&
           sameBytes(word.data() + word.size() - tail.size(), tail.data(), tail.size() - 1);
}

bool beginsWith(std::string_view word, std::string_view head) {
    return word.size() >= head.size() && word.front() == head.front() &&
           sameBytes(word.data() + 1, head.data() + 1, head.size() - 1);
}

// Whether text, longer than word, holds word somewhere; a plain loop again.
bool contains(std::string_view text, std::string_view word) {
    const auto last = text.size() - word.size();
    for (std::size_t at = 0; at <= last; ++at) {
        if (text[at] == word.front() &&
            sameBytes(text.data() + at + 1, word.data() + 1, word.size() - 1)) {
            return true;
        }
    }
    return false;
}

// A one-letter word is searched as if it had two letters: one transition whose
// left and right parts are both the letter.
std::size_t searchedLength(std::string_view word) {
    return std::max<std::size_t>(word.size(), 2);
}

// Left words, right words and refrains at every transition; a transition without
// a left word or without a right word is dropped and its entries cut back.
bool searchTransitions(std::string_view word, const DicWords& dic, ProgressCounter& progress,
                       JobControl& job, WordAnalysis& analysis) {
    const auto length = searchedLength(word);
    analysis.w1Range.assign(length, {});
    analysis.w2Range.assign(length, {});
    const auto dicSize = static_cast<DicIndex>(dic.size());
    for (std::size_t t = 1; t < length; ++t) {
        const auto left = word.size() == 1 ? word : word.substr(0, t);
        const auto right = word.size() == 1 ? word : word.substr(t);
        const auto transition = static_cast<Transition>(t);
        const auto keptW1 = analysis.w1List.size();
        const auto keptW2 = analysis.w2List.size();
        for (DicIndex e = 0; e < dicSize; ++e) {
            const auto entry = dic[static_cast<std::size_t>(e)];
            const bool isLeft = endsWith(entry, left);
            if (isLeft) {
                analysis.w1List.push_back({e, transition});
            }
            if (beginsWith(entry, right)) {
                analysis.w2List.push_back({e, transition});
                if (isLeft) {
                    analysis.rList.push_back(e);
                }
            }
            if (job.stopPoint()) {
                return false;
            }
            progress.countTestedEntry();
        }
        if (analysis.w1List.size() == keptW1 || analysis.w2List.size() == keptW2) {
            analysis.w1List.resize(keptW1);
            analysis.w2List.resize(keptW2);
            analysis.w1Range[t] = {static_cast<std::int32_t>(keptW1),
                                   static_cast<std::int32_t>(keptW1)};
            analysis.w2Range[t] = {static_cast<std::int32_t>(keptW2),
                                   static_cast<std::int32_t>(keptW2)};
            continue;
        }
        analysis.keptTransitions.push_back(transition);
        analysis.w1Range[t] = {static_cast<std::int32_t>(keptW1),
                               static_cast<std::int32_t>(analysis.w1List.size())};
        analysis.w2Range[t] = {static_cast<std::int32_t>(keptW2),
                               static_cast<std::int32_t>(analysis.w2List.size())};
    }
    return true;
}

// Longer dictionary words that contain the word.
void searchEmbedded(std::string_view word, const DicWords& dic, WordAnalysis& analysis) {
    const auto length = searchedLength(word);
    const auto dicSize = static_cast<DicIndex>(dic.size());
    for (DicIndex e = 0; e < dicSize; ++e) {
        const auto entry = dic[static_cast<std::size_t>(e)];
        if (entry.size() > length && contains(entry, word)) {
            analysis.eList.push_back(e);
        }
    }
}

template <typename T>
std::span<const T> all(const std::vector<T>& list) {
    return {list.data(), list.size()};
}

// The five lists in which one dictionary word serves the previous word p and the
// current word w at once.
bool searchCrossWords(const WordAnalysis& p, WordAnalysis& w, CrossWordJoin& joins,
                      JobControl& job) {
    return joins.join(
               all(w.w1List), all(p.w2List), job,
               [&](const TransitionEntry& current, const TransitionEntry& previous) {
                   w.wp2W1List.push_back({current.index, previous.transition, current.transition});
               }) &&
           joins.join(
               all(w.w1List), all(p.rList), job,
               [&](const TransitionEntry& current, DicIndex) { w.rpW1List.push_back(current); }) &&
           joins.join(
               all(w.w1List), all(p.eList), job,
               [&](const TransitionEntry& current, DicIndex) { w.epW1List.push_back(current); }) &&
           joins.join(all(w.rList), all(p.w2List), job,
                      [&](DicIndex current, const TransitionEntry& previous) {
                          w.wp2RList.push_back({current, previous.transition});
                      }) &&
           joins.join(all(w.eList), all(p.w2List), job,
                      [&](DicIndex current, const TransitionEntry& previous) {
                          w.wp2EList.push_back({current, previous.transition});
                      });
}

void buildModeList(WordAnalysis& w) {
    int count = 0;
    const auto add = [&](bool available, VariantMode mode) {
        if (available) {
            w.modeList[static_cast<std::size_t>(count++)] = mode;
        }
    };
    add(!w.keptTransitions.empty(), VariantMode::Transition);
    add(!w.rList.empty(), VariantMode::Refrain);
    add(!w.eList.empty(), VariantMode::Embedded);
    w.singleModeCount = count;
    add(!w.wp2W1List.empty(), VariantMode::Wp2W1);
    add(!w.rpW1List.empty(), VariantMode::RpW1);
    add(!w.epW1List.empty(), VariantMode::EpW1);
    add(!w.wp2RList.empty(), VariantMode::Wp2R);
    add(!w.wp2EList.empty(), VariantMode::Wp2E);
    w.modeCount = count;
}

}  // namespace

std::int64_t progressStepFor(std::size_t dicWordCount, int letterCount) {
    const auto last = static_cast<std::int64_t>(dicWordCount) - 1;
    return divideRoundHalfEven(2 * last * letterCount, 96);
}

std::optional<PhraseAnalysis> searchPhrase(const SearchInput& input, JobControl& job) {
    const DicWords& dic = *input.dicWords;
    PhraseAnalysis analysis;
    analysis.dicWords = input.dicWords;
    analysis.words = input.words;
    analysis.letterCount = input.letterCount;
    for (const auto& word : input.words) {
        analysis.maxWordLength = std::max(analysis.maxWordLength, static_cast<int>(word.size()));
    }
    analysis.wordAnalyses.resize(input.words.size());

    ProgressCounter progress(input.progressStep, job);
    CrossWordJoin joins(dic.size());
    for (std::size_t w = 0; w < input.words.size(); ++w) {
        auto& current = analysis.wordAnalyses[w];
        if (!searchTransitions(input.words[w], dic, progress, job, current)) {
            return std::nullopt;
        }
        searchEmbedded(input.words[w], dic, current);
        if (w > 0 && !searchCrossWords(analysis.wordAnalyses[w - 1], current, joins, job)) {
            return std::nullopt;
        }
        buildModeList(current);
    }
    return analysis;
}

}  // namespace undertext::create
