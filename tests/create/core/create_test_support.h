#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"
#include "create/core/create_run.h"
#include "create/core/phrase_search.h"
#include "create/core/phrase_words.h"
#include "create/core/variant_random.h"

namespace undertext::create::testing {

using Strings = std::vector<std::string>;

inline std::shared_ptr<const DicWords> dictionary(const Strings& words) {
    auto dic = std::make_shared<DicWords>();
    for (const auto& word : words) {
        dic->append(word);
    }
    return dic;
}

// The search input of an English phrase, as a run would make it.
inline SearchInput searchInput(const Strings& dic, std::string_view phrase) {
    auto split = splitPhrase(phrase, Language::English);
    const auto step = progressStepFor(dic.size(), split.letterCount);
    return {std::move(split.words), split.letterCount, dictionary(dic), step};
}

inline PhraseAnalysis analyse(const Strings& dic, std::string_view phrase) {
    UnwatchedJob job;
    return *searchPhrase(searchInput(dic, phrase), job);
}

inline DicIndex indexOf(DicIndex index) {
    return index;
}
inline DicIndex indexOf(const TransitionEntry& entry) {
    return entry.index;
}

// The texts of a list's entries, for readable expectations.
template <typename List>
Strings texts(const PhraseAnalysis& analysis, const List& list) {
    Strings result;
    for (const auto& entry : list) {
        result.emplace_back((*analysis.dicWords)[indexOf(entry)]);
    }
    return result;
}

// Hands out the values queued by the test; running dry is a test failure.
class ScriptedRandom final : public RandomSource {
  public:
    // The value that draws position k of n.
    static float pick(int k, int n) {
        return (static_cast<float>(k) - 0.5f) / static_cast<float>(n);
    }
    void queue(std::initializer_list<float> values) { values_.insert(values_.end(), values); }
    float next() override {
        if (values_.empty()) {
            ADD_FAILURE() << "the scripted random source ran dry";
            return 0.0f;
        }
        const float value = values_.front();
        values_.pop_front();
        return value;
    }
    std::size_t pending() const { return values_.size(); }

  private:
    std::deque<float> values_;
};

// Records the window effects of a run's start as readable lines (texts in UTF-8).
class RecordingEffects final : public CreateEffects {
  public:
    void rewritePhraseBox(std::string_view text) override {
        log.push_back("phrase [" + cp1251ToUtf8(text) + "]");
    }
    void progress(int percent) override { log.push_back("progress " + std::to_string(percent)); }

    Strings log;
};

}  // namespace undertext::create::testing
