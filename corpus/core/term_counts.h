#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace undertext::corpus {

// How often each term (an embedded word, a fragment: Windows-1251 bytes) stands in
// each text of a corpus, for the summaries. A term's bytes are held once however
// many texts hold it, and a count takes 16 bytes. Texts may be added in any order
// (as a pool finishes them), each with all its counts right after it; the tables
// follow the texts' indices. The counts stay grouped by text, each text's apart,
// so that the tables sort each text's counts on their own and group the counts by
// term in one pass, never sorting the whole corpus's counts at once, and so that
// a merge moves them rather than copying them. Not thread-safe.
class TermCounts {
  public:
    struct Text {
        std::size_t index = 0;  // the text's place in the run
        std::string name;
        std::uint64_t letters = 0;
    };
    struct Count {
        std::uint32_t term = 0;
        std::uint64_t count = 0;
    };
    struct TermCount {
        std::string_view term;
        std::uint64_t count = 0;
    };

    // Adds a text; each index once. Returns what its counts name it by.
    std::uint32_t addText(std::size_t index, std::string name, std::uint64_t letters = 0);
    // Counts (above zero) of terms in the text added last; each term once per
    // text. A table holds fewer than 2^32 terms.
    void add(std::uint32_t text, std::span<const TermCount> counts);
    // Takes in the texts and counts of a table filled apart (on another thread),
    // leaving it empty.
    void merge(TermCounts&& part);

    const Text& text(std::uint32_t text) const { return texts_[text]; }
    std::size_t textCount() const { return texts_.size(); }
    std::uint64_t letters() const { return letters_; }
    std::string_view term(std::uint32_t term) const {
        return std::string_view(termBytes_)
            .substr(termStart_[term], termStart_[term + 1] - termStart_[term]);
    }
    std::size_t termCount() const { return termStart_.size() - 1; }
    std::size_t countCount() const;
    // A term's place in byte order, once rankTerms() has run.
    std::uint32_t termRank(std::uint32_t term) const { return termRank_[term]; }

    // What the summaries tell of a term.
    struct TermTotals {
        std::uint64_t total = 0;  // the sum of its counts
        std::uint32_t texts = 0;  // the texts that hold it
        // Gries' deviation of proportions: ½ Σ |v_i - s_i| over every text i, v_i
        // the text's share of the total and s_i its share of the letters (texts
        // without the term count with v_i = 0); 0 when the term is spread as
        // evenly as the texts' sizes, near 1 when it is all in one small text.
        // Summed over the texts by index. 0 when no text has letters.
        double deviation = 0;
    };
    // Each term with its totals: by total, the highest first, then by bytes
    // (unsigned, a prefix before its extensions: the order of the alphabetical
    // reports). Reads the counts in place, taking 32 bytes per term while it runs.
    void forEachTerm(const std::function<void(std::uint32_t term, const TermTotals&)>& visit);
    // The texts by their indices.
    std::vector<std::uint32_t> textsByIndex() const;
    // How many terms a text holds.
    std::size_t countsIn(std::uint32_t text) const { return counts_[text].size(); }
    // A text's counts, the highest first, then by the term's bytes, into sorted.
    // Once the terms are ranked (rankTerms), texts may be sorted on many threads.
    void sortedCounts(std::uint32_t text, std::vector<Count>& sorted) const;

    // Puts the terms in byte order, which forEachTerm and sortedCounts need;
    // forEachTerm does it when it is not done. Once it is (and until the next add)
    // the tables only read, so that many threads may produce them at once.
    void rankTerms();

  private:
    // The number of a term whose hash is given, which is added if it is new; the
    // slots must have room for it.
    std::uint32_t termId(std::string_view term, std::uint64_t hash);
    // Makes room in the slots for terms in all.
    void reserveTermSlots(std::size_t terms);

    std::vector<Text> texts_;
    std::vector<std::vector<Count>> counts_;  // by text
    std::uint64_t letters_ = 0;
    // The terms' bytes one after another: term t's from termStart_[t] up to the
    // next one's start.
    std::string termBytes_;
    std::vector<std::size_t> termStart_{0};
    // The terms' numbers by their bytes: open addressing over a power of two of
    // slots, at most half of them full. A slot holds its term's number + 1 (0: an
    // empty slot) below the high half of its term's hash, which is compared first.
    std::vector<std::uint64_t> termSlots_;
    std::vector<std::uint32_t> termRank_;  // termRank_[term]: its place in byte order
};

}  // namespace undertext::corpus
