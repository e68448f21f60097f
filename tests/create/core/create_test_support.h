#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/dictionary.h"
#include "common/core/job_control.h"
#include "create/core/phrase_search.h"
#include "create/core/phrase_words.h"
#include "create/core/variant_random.h"

namespace undertext::create::testing {

inline std::shared_ptr<const DicWords> dictionary(const std::vector<std::string>& words) {
    auto dic = std::make_shared<DicWords>();
    for (const auto& word : words) {
        dic->append(word);
    }
    return dic;
}

inline SearchInput searchInput(const std::vector<std::string>& dic, std::string_view phrase,
                               Language language = Language::English) {
    auto split = splitPhrase(phrase, language);
    SearchInput input;
    input.words = std::move(split.words);
    input.letterCount = split.letterCount;
    input.dicWords = dictionary(dic);
    input.progressStep = progressStepFor(dic.size(), input.letterCount);
    return input;
}

inline PhraseAnalysis analyse(const std::vector<std::string>& dic, std::string_view phrase,
                              Language language = Language::English) {
    UnwatchedJob job;
    return *searchPhrase(searchInput(dic, phrase, language), job);
}

// The texts of a list's entries, for readable expectations.
template <typename List>
std::vector<std::string> texts(const PhraseAnalysis& analysis, const List& list) {
    std::vector<std::string> result;
    for (const auto& entry : list) {
        if constexpr (std::is_same_v<std::decay_t<decltype(entry)>, DicIndex>) {
            result.emplace_back((*analysis.dicWords)[static_cast<std::size_t>(entry)]);
        } else {
            result.emplace_back((*analysis.dicWords)[static_cast<std::size_t>(entry.index)]);
        }
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
        ++draws;
        if (values_.empty()) {
            ADD_FAILURE() << "the scripted random source ran dry";
            return 0.0f;
        }
        const float value = values_.front();
        values_.pop_front();
        return value;
    }
    std::size_t pending() const { return values_.size(); }
    int draws = 0;

  private:
    std::deque<float> values_;
};

}  // namespace undertext::create::testing
