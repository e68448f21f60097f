#include "create/core/phrase_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <ranges>
#include <span>
#include <string_view>

#include "common/core/report/number_text.h"
#include "create/core/cross_word_join.h"

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

// The bytes the phrase words are made of, numbered from 1; every other byte is 0.
// Trie and automaton nodes hold a child per number rather than per byte, so their
// tables stay small enough for the cache while the whole dictionary is walked.
class Alphabet {
  public:
    explicit Alphabet(const std::vector<std::string>& words) {
        for (const auto& word : words) {
            for (const char c : word) {
                auto& number = numberOf_[static_cast<unsigned char>(c)];
                if (number == 0) {
                    number = static_cast<std::uint16_t>(size_++);
                }
            }
        }
    }

    std::size_t size() const { return size_; }
    // log2 of the row width of a table with a child per letter: rows of a power of
    // two are found with a shift.
    int rowShift() const { return std::bit_width(size_ - 1); }
    std::size_t operator()(char c) const { return numberOf_[static_cast<unsigned char>(c)]; }

  private:
    std::array<std::uint16_t, 256> numberOf_{};
    std::size_t size_ = 1;
};

// A trie of byte strings over an alphabet that holds all their bytes; node 0 is
// the root. The same bytes added twice give the same pattern number.
class ByteTrie {
  public:
    static constexpr std::int32_t kNone = -1;

    explicit ByteTrie(const Alphabet& alphabet)
        : alphabet_(alphabet), rowShift_(alphabet.rowShift()) {
        addNode();
    }

    template <typename Bytes>
    std::int32_t add(const Bytes& bytes) {
        std::size_t node = 0;
        for (const char c : bytes) {
            const auto letter = alphabet_(c);
            if (childOf(node, letter) == kNone) {
                const auto added = addNode();  // may move the table
                childOf(node, letter) = added;
            }
            node = static_cast<std::size_t>(childOf(node, letter));
        }
        auto& pattern = patternAt_[node];
        if (pattern == kNone) {
            pattern = patternCount_++;
        }
        return pattern;
    }

    // Calls found(pattern) for each pattern that begins the bytes, shortest first.
    template <typename Bytes, typename Found>
    void findPrefixes(const Bytes& bytes, Found found) const {
        std::size_t node = 0;
        for (const char c : bytes) {
            const auto child = childOf(node, alphabet_(c));
            if (child == kNone) {
                return;
            }
            node = static_cast<std::size_t>(child);
            if (patternAt_[node] != kNone) {
                found(patternAt_[node]);
            }
        }
    }

    std::int32_t patternCount() const { return patternCount_; }

  protected:
    std::int32_t addNode() {
        next_.resize(next_.size() + (std::size_t{1} << rowShift_), kNone);
        patternAt_.push_back(kNone);
        return static_cast<std::int32_t>(patternAt_.size() - 1);
    }
    std::int32_t& childOf(std::size_t node, std::size_t letter) {
        return next_[(node << rowShift_) + letter];
    }
    std::int32_t childOf(std::size_t node, std::size_t letter) const {
        return next_[(node << rowShift_) + letter];
    }
    std::size_t nodeCount() const { return patternAt_.size(); }

    const Alphabet& alphabet_;
    int rowShift_;
    std::vector<std::int32_t> next_;  // the children of node k: the row from k << rowShift_
    std::vector<std::int32_t> patternAt_;
    std::int32_t patternCount_ = 0;
};

// The phrase words as an Aho-Corasick automaton: one walk over a dictionary word
// finds every phrase word it contains.
class WordFinder : private ByteTrie {
  public:
    WordFinder(const std::vector<std::string>& words, const Alphabet& alphabet)
        : ByteTrie(alphabet) {
        for (const auto& word : words) {
            wordPattern_.push_back(add(word));
        }
        complete();
    }

    std::int32_t patternOf(std::size_t word) const { return wordPattern_[word]; }
    std::int32_t patternCount() const { return ByteTrie::patternCount(); }

    // Every pattern the text contains, once or more, until the next call. The walk
    // resumes where the text stops sharing its first bytes with the text before
    // (the words of a sorted module share long stems); the state and what was found
    // after each byte of that text are kept for it.
    const std::vector<std::int32_t>& findContained(std::string_view text) {
        std::size_t common = 0;
        const auto shared = std::min(text.size(), previous_.size());
        while (common < shared && text[common] == previous_[common]) {
            ++common;
        }
        stateAfter_.resize(common + 1);
        foundAfter_.resize(common + 1);
        found_.resize(foundAfter_.back());
        // The tables are read through locals, which the compiler keeps in registers.
        const std::int32_t* next = next_.data();
        const std::uint32_t* outputStart = outputStart_.data();
        const int shift = rowShift_;
        std::size_t state = stateAfter_.back();
        for (const char c : text.substr(common)) {
            state = static_cast<std::size_t>(next[(state << shift) + alphabet_(c)]);
            if (outputStart[state] != outputStart[state + 1]) {
                found_.insert(found_.end(), outputs_.begin() + outputStart[state],
                              outputs_.begin() + outputStart[state + 1]);
            }
            stateAfter_.push_back(state);
            foundAfter_.push_back(found_.size());
        }
        previous_ = text;
        return found_;
    }

  private:
    // Breadth first: each missing child becomes the child of the longest proper
    // suffix's state, and each state outputs what its suffix state outputs too.
    // Bytes outside the alphabet (letter 0) lead back to the root from anywhere.
    void complete() {
        std::vector<std::size_t> suffixOf(nodeCount(), 0);
        std::vector<std::vector<std::int32_t>> output(nodeCount());
        std::vector<std::size_t> queue{0};
        for (std::size_t at = 0; at < queue.size(); ++at) {
            const std::size_t node = queue[at];
            if (patternAt_[node] != kNone) {
                output[node].push_back(patternAt_[node]);
            }
            const auto& inherited = output[suffixOf[node]];
            if (node != 0) {
                output[node].insert(output[node].end(), inherited.begin(), inherited.end());
            }
            for (std::size_t letter = 0; letter < alphabet_.size(); ++letter) {
                auto& child = childOf(node, letter);
                const auto fallback = node == 0 ? 0 : childOf(suffixOf[node], letter);
                if (child == kNone) {
                    child = fallback;
                } else {
                    suffixOf[static_cast<std::size_t>(child)] = static_cast<std::size_t>(fallback);
                    queue.push_back(static_cast<std::size_t>(child));
                }
            }
        }
        for (const auto& patterns : output) {
            outputStart_.push_back(static_cast<std::uint32_t>(outputs_.size()));
            outputs_.insert(outputs_.end(), patterns.begin(), patterns.end());
        }
        outputStart_.push_back(static_cast<std::uint32_t>(outputs_.size()));
    }

    std::vector<std::int32_t> wordPattern_;
    std::string_view previous_;                               // the text of the last walk
    std::vector<std::size_t> stateAfter_{0}, foundAfter_{0};  // per byte of it, from 0
    std::vector<std::int32_t> found_;
    // The patterns state k outputs: outputs_[outputStart_[k] .. outputStart_[k + 1]).
    std::vector<std::uint32_t> outputStart_;
    std::vector<std::int32_t> outputs_;
};

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
