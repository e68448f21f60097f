#include "embed/core/significance/letter_model.h"

#include <cassert>
#include <numeric>

namespace undertext::embed {

LetterModel::LetterModel(std::string_view letters, int order) : order_(order) {
    assert(order >= 0 && order <= 2 && letters.size() >= static_cast<std::size_t>(order));
    letterIndex_.fill(kAbsent);
    for (const char letter : letters) {
        if (letterIndex(letter) == kAbsent) {
            letterIndex_[static_cast<unsigned char>(letter)] = alphabetSize_++;
        }
    }
    std::uint32_t contexts = 1;
    for (int i = 0; i < order_; ++i) {
        contexts *= alphabetSize_;
    }
    // One pass over the places that a letter follows: the context (the k letters
    // before it, a number in base A that drops its oldest digit as it takes the
    // next letter) and the letter. A context's count is the sum of its pairs, and
    // one more for the last k letters, which nothing follows.
    std::vector<std::uint64_t> pairCount(static_cast<std::size_t>(contexts) * alphabetSize_);
    const auto k = static_cast<std::size_t>(order_);
    const std::uint32_t oldestDigit = k == 0 ? 0 : contexts / alphabetSize_;
    std::uint32_t context = 0;
    for (std::size_t i = 0; i < k; ++i) {
        context = context * alphabetSize_ + letterIndex(letters[i]);
    }
    for (std::size_t i = k; i < letters.size(); ++i) {
        const auto letter = letterIndex(letters[i]);
        ++pairCount[static_cast<std::size_t>(context) * alphabetSize_ + letter];
        if (k > 0) {
            context =
                (context - letterIndex(letters[i - k]) * oldestDigit) * alphabetSize_ + letter;
        }
    }
    const auto lastContext = context;
    std::vector<std::uint64_t> followedCount(contexts);
    for (std::uint32_t c = 0; c < contexts; ++c) {
        for (std::uint32_t letter = 0; letter < alphabetSize_; ++letter) {
            followedCount[c] += pairCount[static_cast<std::size_t>(c) * alphabetSize_ + letter];
        }
    }
    const auto places = static_cast<double>(letters.size() - k + 1);
    start_.resize(contexts);
    transition_.resize(pairCount.size());
    for (std::uint32_t c = 0; c < contexts; ++c) {
        start_[c] = static_cast<double>(followedCount[c] + (c == lastContext)) / places;
        for (std::uint32_t letter = 0; letter < alphabetSize_; ++letter) {
            const auto pair = static_cast<std::size_t>(c) * alphabetSize_ + letter;
            transition_[pair] = followedCount[c] == 0 ? 0.0
                                                      : static_cast<double>(pairCount[pair]) /
                                                            static_cast<double>(followedCount[c]);
        }
    }
}

std::uint32_t LetterModel::stringIndex(std::string_view text, std::size_t begin,
                                       std::size_t end) const {
    std::uint32_t index = 0;
    for (auto i = begin; i < end; ++i) {
        const auto letter = letterIndex(text[i]);
        if (letter == kAbsent) {
            return kAbsent;
        }
        index = index * alphabetSize_ + letter;
    }
    return index;
}

double LetterModel::wordProbability(std::string_view word) const {
    if (word.size() < static_cast<std::size_t>(order_)) {
        // The k-strings that begin with word have consecutive indices.
        const auto prefix = stringIndex(word, 0, word.size());
        if (prefix == kAbsent) {
            return 0.0;
        }
        std::uint32_t extensions = 1;
        for (auto i = word.size(); i < static_cast<std::size_t>(order_); ++i) {
            extensions *= alphabetSize_;
        }
        const auto first = start_.begin() + static_cast<std::ptrdiff_t>(prefix * extensions);
        return std::accumulate(first, first + extensions, 0.0);
    }
    const auto context = contextIndex(word, static_cast<std::size_t>(order_));
    if (context == kAbsent) {
        return 0.0;
    }
    return start_[context] * continuationProbability(word, static_cast<std::size_t>(order_));
}

double LetterModel::continuationProbability(std::string_view text, std::size_t from) const {
    assert(from >= static_cast<std::size_t>(order_));
    double probability = 1.0;
    for (auto i = from; i < text.size() && probability > 0.0; ++i) {
        const auto context = contextIndex(text, i);
        const auto letter = letterIndex(text[i]);
        if (context == kAbsent || letter == kAbsent) {
            return 0.0;
        }
        probability *= transition_[static_cast<std::size_t>(context) * alphabetSize_ + letter];
    }
    return probability;
}

}  // namespace undertext::embed
