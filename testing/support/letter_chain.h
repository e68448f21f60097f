#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "embed/core/prepared_text.h"
#include "embed/core/significance/letter_model.h"

namespace undertext::testing {

// Draws letter streams from a fitted letter model, for calibrating the test on
// texts that the model itself made: the first k letters from the start
// frequencies, each further one from the transitions after the k letters before
// it. A k-string that the fitted stream never followed by a letter starts the
// chain afresh. The alphabet is the model's letters (any order).
class LetterChain {
  public:
    LetterChain(const embed::LetterModel& model, std::string alphabet)
        : order_(model.order()), alphabet_(std::move(alphabet)) {
        std::size_t contexts = 1;
        for (int i = 0; i < order_; ++i) {
            contexts *= alphabet_.size();
        }
        std::vector<double> startWeights(contexts);
        for (std::size_t c = 0; c < contexts; ++c) {
            const auto context = contextString(c);
            startWeights[c] = model.wordProbability(context);
            std::vector<double> weights;
            for (const char letter : alphabet_) {
                weights.push_back(model.continuationProbability(context + letter, context.size()));
            }
            const bool followed = std::any_of(weights.begin(), weights.end(),
                                              [](double weight) { return weight > 0; });
            next_.emplace_back(
                followed ? std::discrete_distribution<std::size_t>(weights.begin(), weights.end())
                         : std::discrete_distribution<std::size_t>());
            followed_.push_back(followed);
        }
        start_ = std::discrete_distribution<std::size_t>(startWeights.begin(), startWeights.end());
    }

    std::string draw(std::size_t length, std::mt19937& random) {
        std::string letters;
        letters.reserve(length + static_cast<std::size_t>(order_));
        std::size_t context = 0;  // the last k letters as a number in base A
        bool fresh = true;
        while (letters.size() < length) {
            if (fresh || !followed_[context]) {
                context = start_(random);
                letters += contextString(context);
                fresh = false;
                continue;
            }
            const auto letter = next_[context](random);
            letters += alphabet_[letter];
            context = (context * alphabet_.size() + letter) % next_.size();
        }
        letters.resize(length);
        return letters;
    }

  private:
    std::string contextString(std::size_t index) const {
        std::string context(static_cast<std::size_t>(order_), ' ');
        for (auto i = context.size(); i > 0; --i) {
            context[i - 1] = alphabet_[index % alphabet_.size()];
            index /= alphabet_.size();
        }
        return context;
    }

    int order_;
    std::string alphabet_;
    std::discrete_distribution<std::size_t> start_;
    std::vector<std::discrete_distribution<std::size_t>> next_;
    std::vector<bool> followed_;
};

// The letters cut into slots whose lengths are taken in turn from slotLengths
// (positive), starting at `first` and wrapping round; the last slot takes what is
// left.
inline embed::PreparedText slotted(std::string letters,
                                   const std::vector<std::uint32_t>& slotLengths,
                                   std::size_t first = 0) {
    embed::PreparedText text;
    text.letters = std::move(letters);
    std::uint32_t end = 0;
    for (auto i = first; end < text.letterCount(); ++i) {
        end = std::min(text.letterCount(), end + slotLengths[i % slotLengths.size()]);
        text.wordEnd.push_back(end);
    }
    return text;
}

}  // namespace undertext::testing
