#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
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
// follow the texts' indices. The counts stay grouped by text, so that the tables
// sort each text's counts on their own and group the counts by term in one pass,
// never sorting the whole corpus's counts at once. Not thread-safe.
class TermCounts {
  public:
    struct Text {
        std::size_t index = 0;  // the text's place in the run
        std::string name;
        std::uint64_t letters = 0;
    };
    struct Count {
        std::uint32_t term = 0;
        std::uint32_t text = 0;  // see text()
        std::uint64_t count = 0;
    };

    // Adds a text; each index once. Returns what its counts name it by.
    std::uint32_t addText(std::size_t index, std::string name, std::uint64_t letters = 0);
    // A count (above zero) of a term in the text added last; each term once per
    // text. A table holds fewer than 2^32 counts (64 GiB of them).
    void add(std::uint32_t text, std::string_view term, std::uint64_t count);
    // Takes in the texts and counts of a table filled apart (on another thread),
    // leaving it empty.
    void merge(TermCounts&& part);

    const Text& text(std::uint32_t text) const { return texts_[text]; }
    std::size_t textCount() const { return texts_.size(); }
    std::uint64_t letters() const { return letters_; }
    std::string_view term(std::uint32_t term) const { return terms_[term]; }
    std::size_t termCount() const { return terms_.size(); }
    std::size_t countCount() const { return counts_.size(); }
    // A term's place in byte order, once rankTerms() has run.
    std::uint32_t termRank(std::uint32_t term) const { return termRank_[term]; }

    // Each term with its counts (by text index): by total, the highest first, then
    // by bytes (unsigned, a prefix before its extensions: the order of the
    // alphabetical reports). Takes 4 bytes per count while it runs.
    void forEachTerm(const std::function<void(std::uint32_t term, std::uint64_t total,
                                              std::span<const Count>)>& visit);
    // Each text's counts, the texts by index: the highest count first, then by the
    // term's bytes.
    void forEachTextsCounts(const std::function<void(std::span<const Count>)>& visit);

    // Puts the terms in byte order, which the tables above need; they do it when it
    // is not done. Once it is (and until the next add) the tables only read, so
    // two threads may produce them at once.
    void rankTerms();

  private:
    // The number of a term, which is added if it is new.
    std::uint32_t termId(std::string_view term);
    void growTermSlots();
    // The texts by their indices.
    std::vector<std::uint32_t> textsByIndex() const;
    std::span<const Count> countsOf(std::uint32_t text) const {
        return std::span(counts_).subspan(firstCount_[text],
                                          firstCount_[text + 1] - firstCount_[text]);
    }

    std::vector<Text> texts_;
    // firstCount_[text]: where the text's counts begin in counts_; one entry more
    // than texts, the end of the last text's.
    std::vector<std::size_t> firstCount_{0};
    std::uint64_t letters_ = 0;
    std::deque<std::string> terms_;
    // The terms' numbers by their bytes: open addressing over a power of two of
    // slots, at most half of them full. A slot holds its term's number + 1 (0: an
    // empty slot) below the high half of its term's hash, which is compared first.
    std::vector<std::uint64_t> termSlots_;
    std::vector<std::uint32_t> termRank_;  // termRank_[term]: its place in byte order
    std::vector<Count> counts_;
};

}  // namespace undertext::corpus
