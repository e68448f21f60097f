#include "corpus/core/term_counts.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace undertext::corpus {

std::uint32_t TermCounts::addText(std::size_t index, std::string name, std::uint64_t letters) {
    texts_.push_back({index, std::move(name), letters});
    firstCount_.push_back(counts_.size());
    letters_ += letters;
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

void TermCounts::add(std::uint32_t text, std::string_view term, std::uint64_t count) {
    assert(text + 1 == texts_.size());
    auto found = termIds_.find(term);
    if (found == termIds_.end()) {
        terms_.emplace_back(term);
        found =
            termIds_.emplace(terms_.back(), static_cast<std::uint32_t>(terms_.size() - 1)).first;
    }
    counts_.push_back({found->second, text, count});
    firstCount_.back() = counts_.size();
}

void TermCounts::rankTerms() {
    if (termRank_.size() == terms_.size()) {
        return;
    }
    std::vector<std::uint32_t> byBytes(terms_.size());
    std::iota(byBytes.begin(), byBytes.end(), 0U);
    // std::string compares bytes as unsigned values.
    std::sort(byBytes.begin(), byBytes.end(),
              [&](std::uint32_t a, std::uint32_t b) { return terms_[a] < terms_[b]; });
    termRank_.assign(terms_.size(), 0);
    for (std::uint32_t rank = 0; rank < byBytes.size(); ++rank) {
        termRank_[byBytes[rank]] = rank;
    }
}

std::vector<std::uint32_t> TermCounts::textsByIndex() const {
    std::vector<std::uint32_t> texts(texts_.size());
    std::iota(texts.begin(), texts.end(), 0U);
    std::sort(texts.begin(), texts.end(),
              [&](std::uint32_t a, std::uint32_t b) { return texts_[a].index < texts_[b].index; });
    return texts;
}

void TermCounts::forEachTerm(
    const std::function<void(std::uint32_t, std::uint64_t, std::span<const Count>)>& visit) {
    rankTerms();
    // The counts grouped by term (a counting sort), each term's by text index.
    std::vector<std::size_t> firstOfTerm(terms_.size() + 1, 0);
    std::vector<std::uint64_t> total(terms_.size(), 0);
    for (const auto& count : counts_) {
        ++firstOfTerm[count.term + 1];
        total[count.term] += count.count;
    }
    std::partial_sum(firstOfTerm.begin(), firstOfTerm.end(), firstOfTerm.begin());
    std::vector<std::uint32_t> byTerm(counts_.size());  // places in counts_
    auto next = firstOfTerm;
    for (const auto text : textsByIndex()) {
        for (auto place = firstCount_[text]; place < firstCount_[text + 1]; ++place) {
            byTerm[next[counts_[place].term]++] = static_cast<std::uint32_t>(place);
        }
    }
    std::vector<std::uint32_t> order(terms_.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return total[a] != total[b] ? total[a] > total[b] : termRank_[a] < termRank_[b];
    });
    std::vector<Count> termCounts;
    for (const auto term : order) {
        termCounts.clear();
        for (auto k = firstOfTerm[term]; k < firstOfTerm[term + 1]; ++k) {
            termCounts.push_back(counts_[byTerm[k]]);
        }
        visit(term, total[term], termCounts);
    }
}

void TermCounts::forEachCountByText(const std::function<void(const Count&)>& visit) {
    rankTerms();
    for (const auto text : textsByIndex()) {
        const auto counts = countsOf(text);
        std::sort(counts.begin(), counts.end(), [&](const Count& a, const Count& b) {
            return a.count != b.count ? a.count > b.count : termRank_[a.term] < termRank_[b.term];
        });
        for (const auto& count : counts) {
            visit(count);
        }
    }
}

}  // namespace undertext::corpus
