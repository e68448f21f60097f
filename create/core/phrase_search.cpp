#include "create/core/phrase_search.h"

#include <algorithm>
#include <limits>
#include <ranges>
#include <span>
#include <string_view>

#include "common/core/report/number_text.h"
#include "create/core/cross_word_join.h"
#include "create/core/word_automaton.h"

namespace undertext::create {
namespace {

// The bytes of a word from its last to its first (the ranges library's view does
// not build with every compiler the project supports).
struct Reversed {
    std::string_view bytes;
    auto begin() const { return bytes.rbegin(); }
    auto end() const { return bytes.rend(); }
};

// Counts tested entries and reports a progress value every `step` of them.
class ProgressCounter {
  public:
    ProgressCounter(std::int64_t step, JobControl& job) : step_(step), job_(job) {}

    // Tests `count` entries in a row, each a stop point and then one more for the
    // progress; the stop points between two progress values are passed as one run.
    // False when a stop point asks to stop.
    bool testEntries(std::int64_t count) {
        while (count > 0) {
            const std::int64_t run = step_ > 0 ? std::min(count, step_ - tested_) : count;
            if (job_.passStopPoints(run)) {
                return false;
            }
            count -= run;
            tested_ += run;
            if (tested_ == step_) {
                tested_ = 0;
                value_ += 2;
                job_.progress(std::min(value_, 100));
            }
        }
        return true;
    }

  private:
    std::int64_t step_;
    JobControl& job_;
    std::int64_t tested_ = 0;
    int value_ = 0;
};

// Dictionary indices, in dictionary order.
using Matches = std::vector<DicIndex>;

// A one-letter word is searched as if it had two letters: one transition whose
// left and right parts are both the letter.
std::size_t searchedLength(std::string_view word) {
    return std::max<std::size_t>(word.size(), 2);
}

// Every dictionary word that a phrase word's transitions and embedded-word search
// take, found in one pass over the dictionary: the words that end with each left
// part, begin with each right part or (being longer than the searched length)
// contain each phrase word.
class DictionaryMatches {
  public:
    DictionaryMatches(const std::vector<std::string>& words, const DicWords& dic)
        : alphabet_(words), endings_(alphabet_), beginnings_(alphabet_), finder_(words, alphabet_) {
        for (const auto& word : words) {
            auto& parts = parts_.emplace_back();
            for (std::size_t t = 1; t < searchedLength(word); ++t) {
                const auto left = word.size() == 1 ? word : word.substr(0, t);
                const auto right = word.size() == 1 ? word : word.substr(t);
                parts.push_back({endings_.add(std::string(left.rbegin(), left.rend())),
                                 beginnings_.add(right)});
            }
        }
        std::vector<std::size_t> shortestContaining(
            static_cast<std::size_t>(finder_.patternCount()));
        std::size_t shortest = std::numeric_limits<std::size_t>::max();
        for (std::size_t w = 0; w < words.size(); ++w) {
            shortestContaining[static_cast<std::size_t>(finder_.patternOf(w))] =
                searchedLength(words[w]) + 1;
            shortest = std::min(shortest, searchedLength(words[w]) + 1);
        }
        endingWith_.resize(static_cast<std::size_t>(endings_.patternCount()));
        beginningWith_.resize(static_cast<std::size_t>(beginnings_.patternCount()));
        containing_.resize(shortestContaining.size());
        std::vector<DicIndex> lastFound(shortestContaining.size(), -1);
        for (std::size_t i = 0; i < dic.size(); ++i) {
            const auto e = static_cast<DicIndex>(i);
            const auto entry = dic[i];
            endings_.findPrefixes(Reversed{entry}, [&](std::int32_t pattern) {
                endingWith_[static_cast<std::size_t>(pattern)].push_back(e);
            });
            beginnings_.findPrefixes(entry, [&](std::int32_t pattern) {
                beginningWith_[static_cast<std::size_t>(pattern)].push_back(e);
            });
            if (entry.size() < shortest) {
                continue;
            }
            for (const auto pattern : finder_.findContained(entry)) {
                const auto p = static_cast<std::size_t>(pattern);
                if (lastFound[p] != e && entry.size() >= shortestContaining[p]) {
                    lastFound[p] = e;
                    containing_[p].push_back(e);
                }
            }
        }
    }

    // At transition t (from 1) of word w.
    const Matches& endingWithLeft(std::size_t w, std::size_t t) const {
        return endingWith_[static_cast<std::size_t>(parts_[w][t - 1].left)];
    }
    const Matches& beginningWithRight(std::size_t w, std::size_t t) const {
        return beginningWith_[static_cast<std::size_t>(parts_[w][t - 1].right)];
    }
    const Matches& containing(std::size_t w) const {
        return containing_[static_cast<std::size_t>(finder_.patternOf(w))];
    }

  private:
    struct Parts {
        std::int32_t left, right;
    };
    Alphabet alphabet_;
    ByteTrie endings_;     // the left parts, read backwards
    ByteTrie beginnings_;  // the right parts
    WordFinder finder_;
    std::vector<std::vector<Parts>> parts_;
    std::vector<Matches> endingWith_, beginningWith_, containing_;
};

// Left words, right words and refrains at every transition; a transition without
// a left word or without a right word is dropped. Every transition tests every
// dictionary entry, a stop point each.
bool searchTransitions(std::size_t w, std::string_view word, const DictionaryMatches& matches,
                       std::size_t dicSize, ProgressCounter& progress, WordAnalysis& analysis) {
    const auto length = searchedLength(word);
    analysis.w1Range.assign(length, {});
    analysis.w2Range.assign(length, {});
    // The lists are sized first: grown step by step they would be copied over and over.
    std::size_t leftCount = 0;
    std::size_t rightCount = 0;
    for (std::size_t t = 1; t < length; ++t) {
        const auto& lefts = matches.endingWithLeft(w, t);
        const auto& rights = matches.beginningWithRight(w, t);
        if (!lefts.empty() && !rights.empty()) {
            leftCount += lefts.size();
            rightCount += rights.size();
        }
    }
    analysis.w1List.reserve(leftCount);
    analysis.w2List.reserve(rightCount);
    for (std::size_t t = 1; t < length; ++t) {
        const auto& lefts = matches.endingWithLeft(w, t);
        const auto& rights = matches.beginningWithRight(w, t);
        const auto keptW1 = static_cast<std::int32_t>(analysis.w1List.size());
        const auto keptW2 = static_cast<std::int32_t>(analysis.w2List.size());
        if (!lefts.empty() && !rights.empty()) {
            const auto transition = static_cast<Transition>(t);
            for (const auto e : lefts) {
                analysis.w1List.push_back({e, transition});
            }
            for (const auto e : rights) {
                analysis.w2List.push_back({e, transition});
            }
            std::ranges::set_intersection(lefts, rights, std::back_inserter(analysis.rList));
            analysis.keptTransitions.push_back(transition);
        }
        analysis.w1Range[t] = {keptW1, static_cast<std::int32_t>(analysis.w1List.size())};
        analysis.w2Range[t] = {keptW2, static_cast<std::int32_t>(analysis.w2List.size())};
        if (!progress.testEntries(static_cast<std::int64_t>(dicSize))) {
            return false;
        }
    }
    return true;
}

template <typename T>
std::span<const T> all(const std::vector<T>& list) {
    return {list.data(), list.size()};
}

// The five lists in which one dictionary word serves the previous word p and the
// current word w at once.
bool searchCrossWords(const WordAnalysis& p, WordAnalysis& w, CrossWordJoin& joins,
                      JobControl& job) {
    return joins.join(all(w.w1List), all(p.w2List), job, w.wp2W1List,
                      [](const TransitionEntry& current, const TransitionEntry& previous) {
                          return Wp2W1Entry{current.index, previous.transition, current.transition};
                      }) &&
           joins.join(all(w.w1List), all(p.rList), job, w.rpW1List,
                      [](const TransitionEntry& current, DicIndex) { return current; }) &&
           joins.join(all(w.w1List), all(p.eList), job, w.epW1List,
                      [](const TransitionEntry& current, DicIndex) { return current; }) &&
           joins.join(all(w.rList), all(p.w2List), job, w.wp2RList,
                      [](DicIndex current, const TransitionEntry& previous) {
                          return TransitionEntry{current, previous.transition};
                      }) &&
           joins.join(all(w.eList), all(p.w2List), job, w.wp2EList,
                      [](DicIndex current, const TransitionEntry& previous) {
                          return TransitionEntry{current, previous.transition};
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

    const DictionaryMatches matches(input.words, dic);
    ProgressCounter progress(input.progressStep, job);
    CrossWordJoin joins(dic.size());
    for (std::size_t w = 0; w < input.words.size(); ++w) {
        auto& current = analysis.wordAnalyses[w];
        if (!searchTransitions(w, input.words[w], matches, dic.size(), progress, current)) {
            return std::nullopt;
        }
        current.eList = matches.containing(w);
        if (w > 0 && !searchCrossWords(analysis.wordAnalyses[w - 1], current, joins, job)) {
            return std::nullopt;
        }
        buildModeList(current);
    }
    return analysis;
}

}  // namespace undertext::create
