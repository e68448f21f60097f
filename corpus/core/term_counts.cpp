#include "corpus/core/term_counts.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <numeric>

namespace undertext::corpus {

std::uint32_t TermCounts::addText(std::size_t index, std::string name, std::uint64_t letters) {
    texts_.push_back({index, std::move(name), letters});
    counts_.emplace_back();
    letters_ += letters;
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

namespace {

constexpr std::uint64_t kNumberBits = 0xFFFFFFFF;
// How many terms ahead of the one being looked up have their slots fetched: the
// table outgrows the caches, and a lookup otherwise waits on memory.
constexpr std::size_t kLookAhead = 8;

std::uint64_t hashOf(std::string_view term) {
    return std::hash<std::string_view>{}(term);
}

}  // namespace

void TermCounts::add(std::uint32_t text, std::span<const TermCount> counts) {
    assert(text + 1 == texts_.size());
    reserveTermSlots(termCount() + counts.size());
    auto& into = counts_[text];
    into.reserve(into.size() + counts.size());
    const auto mask = termSlots_.size() - 1;
    const auto hashAhead = [&](std::size_t k) {
        const auto hash = hashOf(counts[k].term);
        __builtin_prefetch(&termSlots_[hash & mask]);
        return hash;
    };
    std::array<std::uint64_t, kLookAhead> hashes{};
    for (std::size_t k = 0; k < std::min(kLookAhead, counts.size()); ++k) {
        hashes[k] = hashAhead(k);
    }
    for (std::size_t k = 0; k < counts.size(); ++k) {
        const auto hash = hashes[k % kLookAhead];
        if (k + kLookAhead < counts.size()) {
            hashes[k % kLookAhead] = hashAhead(k + kLookAhead);
        }
        into.push_back({termId(counts[k].term, hash), counts[k].count});
    }
}

std::uint32_t TermCounts::termId(std::string_view term, std::uint64_t hash) {
    const auto tag = hash & ~kNumberBits;
    const auto mask = termSlots_.size() - 1;
    for (auto slot = hash & mask;; slot = (slot + 1) & mask) {
        const auto held = termSlots_[slot];
        if (held == 0) {
            const auto number = static_cast<std::uint32_t>(termCount());
            termBytes_ += term;
            termStart_.push_back(termBytes_.size());
            termSlots_[slot] = tag | (number + 1);
            return number;
        }
        const auto number = static_cast<std::uint32_t>((held & kNumberBits) - 1);
        if ((held & ~kNumberBits) == tag && this->term(number) == term) {
            return number;
        }
    }
}

void TermCounts::reserveTermSlots(std::size_t terms) {
    if (2 * terms <= termSlots_.size()) {
        return;
    }
    auto size = std::max<std::size_t>(1024, termSlots_.size());
    while (2 * terms > size) {
        size *= 2;
    }
    termSlots_.assign(size, 0);
    const auto mask = size - 1;
    for (std::uint32_t number = 0; number < termCount(); ++number) {
        const auto hash = hashOf(term(number));
        auto slot = hash & mask;
        while (termSlots_[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        termSlots_[slot] = (hash & ~kNumberBits) | (number + 1);
    }
}

std::size_t TermCounts::countCount() const {
    std::size_t counts = 0;
    for (const auto& text : counts_) {
        counts += text.size();
    }
    return counts;
}

void TermCounts::merge(TermCounts&& part) {
    reserveTermSlots(termCount() + part.termCount());
    std::vector<std::uint32_t> termHere(part.termCount());
    for (std::uint32_t term = 0; term < part.termCount(); ++term) {
        termHere[term] = termId(part.term(term), hashOf(part.term(term)));
    }
    for (std::uint32_t text = 0; text < part.texts_.size(); ++text) {
        auto& taken = part.texts_[text];
        const auto here = addText(taken.index, std::move(taken.name), taken.letters);
        counts_[here] = std::move(part.counts_[text]);
        for (auto& count : counts_[here]) {
            count.term = termHere[count.term];
        }
    }
    part = TermCounts();
}

void TermCounts::rankTerms() {
    if (termRank_.size() == termCount()) {
        return;
    }
    std::vector<std::uint32_t> byBytes(termCount());
    std::iota(byBytes.begin(), byBytes.end(), 0U);
    // std::string_view compares bytes as unsigned values.
    std::sort(byBytes.begin(), byBytes.end(),
              [&](std::uint32_t a, std::uint32_t b) { return term(a) < term(b); });
    termRank_.assign(termCount(), 0);
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

void TermCounts::forEachTerm(const std::function<void(std::uint32_t, const TermTotals&)>& visit) {
    rankTerms();
    std::vector<TermTotals> totals(termCount());
    for (const auto& counts : counts_) {
        for (const auto& count : counts) {
            totals[count.term].total += count.count;
            ++totals[count.term].texts;
        }
    }
    if (letters_ > 0) {
        // Each term's sum over the texts that hold it, by text index, and the
        // letters of those texts; each text without it adds its share of the letters.
        const auto corpus = static_cast<double>(letters_);
        std::vector<std::uint64_t> lettersWithTerm(termCount(), 0);
        for (const auto text : textsByIndex()) {
            const auto letters = texts_[text].letters;
            const auto share = static_cast<double>(letters) / corpus;
            for (const auto& count : counts_[text]) {
                auto& term = totals[count.term];
                term.deviation += std::abs(
                    static_cast<double>(count.count) / static_cast<double>(term.total) - share);
                lettersWithTerm[count.term] += letters;
            }
        }
        for (std::uint32_t term = 0; term < termCount(); ++term) {
            auto& deviation = totals[term].deviation;
            deviation += static_cast<double>(letters_ - lettersWithTerm[term]) / corpus;
            deviation /= 2;
        }
    }
    std::vector<std::uint32_t> order(termCount());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return totals[a].total != totals[b].total ? totals[a].total > totals[b].total
                                                  : termRank_[a] < termRank_[b];
    });
    for (const auto term : order) {
        visit(term, totals[term]);
    }
}

void TermCounts::sortedCounts(std::uint32_t text, std::vector<Count>& sorted) const {
    assert(termRank_.size() == termCount());
    // Sorted by keys side by side, (the count turned over, then the term's rank
    // above the count's place), into a copy: the counts themselves are only read.
    const auto& counts = counts_[text];
    std::vector<std::pair<std::uint64_t, std::uint64_t>> keys;
    keys.reserve(counts.size());
    for (std::uint64_t place = 0; place < counts.size(); ++place) {
        keys.emplace_back(~counts[place].count,
                          std::uint64_t{termRank_[counts[place].term]} << 32 | place);
    }
    std::sort(keys.begin(), keys.end());
    sorted.clear();
    for (const auto& key : keys) {
        sorted.push_back(counts[key.second & 0xFFFFFFFF]);
    }
}

}  // namespace undertext::corpus
