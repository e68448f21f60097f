#include "corpus/core/term_counts.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace undertext::corpus {

std::uint32_t TermCounts::addText(std::size_t index, std::string name, std::uint64_t letters) {
    texts_.push_back({index, std::move(name), letters});
    letters_ += letters;
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

void TermCounts::add(std::uint32_t text, std::string_view term, std::uint64_t count) {
    auto found = termIds_.find(term);
    if (found == termIds_.end()) {
        terms_.emplace_back(term);
        found =
            termIds_.emplace(terms_.back(), static_cast<std::uint32_t>(terms_.size() - 1)).first;
    }
    counts_.push_back({found->second, text, count});
}

void TermCounts::rankTerms() {
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

void TermCounts::forEachTerm(
    const std::function<void(std::uint32_t, std::uint64_t, std::span<const Count>)>& visit) {
    rankTerms();
    std::sort(counts_.begin(), counts_.end(), [&](const Count& a, const Count& b) {
        return std::tuple(a.term, texts_[a.text].index) < std::tuple(b.term, texts_[b.text].index);
    });
    std::vector<std::size_t> firstCount(terms_.size() + 1, counts_.size());
    std::vector<std::uint64_t> total(terms_.size(), 0);
    for (std::size_t i = counts_.size(); i-- > 0;) {
        firstCount[counts_[i].term] = i;
        total[counts_[i].term] += counts_[i].count;
    }
    std::vector<std::uint32_t> order(terms_.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return total[a] != total[b] ? total[a] > total[b] : termRank_[a] < termRank_[b];
    });
    for (const auto term : order) {
        // Every term has a count, so the next term's counts follow its own.
        const auto first = firstCount[term];
        visit(term, total[term], std::span(counts_).subspan(first, firstCount[term + 1] - first));
    }
}

void TermCounts::forEachCountByText(const std::function<void(const Count&)>& visit) {
    rankTerms();
    std::sort(counts_.begin(), counts_.end(), [&](const Count& a, const Count& b) {
        const auto aText = texts_[a.text].index;
        const auto bText = texts_[b.text].index;
        if (aText != bText) {
            return aText < bText;
        }
        return a.count != b.count ? a.count > b.count : termRank_[a.term] < termRank_[b.term];
    });
    for (const auto& count : counts_) {
        visit(count);
    }
}

}  // namespace undertext::corpus
