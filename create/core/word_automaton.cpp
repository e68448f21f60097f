#include "create/core/word_automaton.h"

#include <algorithm>

namespace undertext::create {

Alphabet::Alphabet(const std::vector<std::string>& words) {
    for (const auto& word : words) {
        for (const char c : word) {
            auto& number = numberOf_[static_cast<unsigned char>(c)];
            if (number == 0) {
                number = static_cast<std::uint16_t>(size_++);
            }
        }
    }
}

WordFinder::WordFinder(const std::vector<std::string>& words, const Alphabet& alphabet)
    : ByteTrie(alphabet) {
    for (const auto& word : words) {
        wordPattern_.push_back(add(word));
    }
    complete();
}

const std::vector<std::int32_t>& WordFinder::findContained(std::string_view text) {
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

void WordFinder::complete() {
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

}  // namespace undertext::create
