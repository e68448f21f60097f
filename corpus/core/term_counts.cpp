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
    counts_.push_back({termId(term), text, count});
    firstCount_.back() = counts_.size();
}

namespace {

constexpr std::uint64_t kNumberBits = 0xFFFFFFFF;

std::uint64_t hashOf(std::string_view term) {
    return std::hash<std::string_view>{}(term);
}

}  // namespace

std::uint32_t TermCounts::termId(std::string_view term) {
    if (2 * (terms_.size() + 1) > termSlots_.size()) {
        growTermSlots();
    }
    const auto hash = hashOf(term);
    const auto tag = hash & ~kNumberBits;
    const auto mask = termSlots_.size() - 1;
    for (auto slot = hash & mask;; slot = (slot + 1) & mask) {
        const auto held = termSlots_[slot];
        if (held == 0) {
            terms_.emplace_back(term);
            const auto number = static_cast<std::uint32_t>(terms_.size() - 1);
            termSlots_[slot] = tag | (number + 1);
            return number;
        }
        const auto number = static_cast<std::uint32_t>((held & kNumberBits) - 1);
        if ((held & ~kNumberBits) == tag && terms_[number] == term) {
            return number;
        }
    }
}

void TermCounts::growTermSlots() {
    termSlots_.assign(std::max<std::size_t>(1024, 2 * termSlots_.size()), 0);
    const auto mask = termSlots_.size() - 1;
    for (std::uint32_t number = 0; number < terms_.size(); ++number) {
        const auto hash = hashOf(terms_[number]);
        auto slot = hash & mask;
        while (termSlots_[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        termSlots_[slot] = (hash & ~kNumberBits) | (number + 1);
    }
}

void TermCounts::merge(TermCounts&& part) {
    counts_.reserve(counts_.size() + part.counts_.size());
    std::vector<std::uint32_t> termHere(part.terms_.size());
    for (std::uint32_t term = 0; term < part.terms_.size(); ++term) {
        termHere[term] = termId(part.terms_[term]);
    }
    for (std::uint32_t text = 0; text < part.texts_.size(); ++text) {
        auto& taken = part.texts_[text];
        const auto here = addText(taken.index, std::move(taken.name), taken.letters);
        for (const auto& count : part.countsOf(text)) {
            counts_.push_back({termHere[count.term], here, count.count});
        }
        firstCount_.back() = counts_.size();
    }
    part = TermCounts();
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

void TermCounts::forEachTextsCounts(const std::function<void(std::span<const Count>)>& visit) {
    rankTerms();
    // Sorted by keys side by side, (the count turned over, then the term's rank
    // above the count's place), into a copy: the counts themselves are only read.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> keys;
    std::vector<Count> sorted;
    for (const auto text : textsByIndex()) {
        const auto counts = countsOf(text);
        keys.clear();
        for (std::uint64_t place = 0; place < counts.size(); ++place) {
            keys.emplace_back(~counts[place].count,
                              std::uint64_t{termRank_[counts[place].term]} << 32 | place);
        }
        std::sort(keys.begin(), keys.end());
        sorted.clear();
        for (const auto& key : keys) {
            sorted.push_back(counts[key.second & 0xFFFFFFFF]);
        }
        visit(sorted);
    }
}

}  // namespace undertext::corpus
