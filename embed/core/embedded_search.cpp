#include "embed/core/embedded_search.h"

#include <divsufsort.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <optional>

namespace undertext::embed {
namespace {

struct Range {
    std::uint32_t lo = 0;
    std::uint32_t hi = 0;
    bool empty() const { return lo >= hi; }
};

// The letters of the text as seen at a depth of the suffixes: a suffix that ends
// before the depth sorts before every letter.
class SuffixView {
  public:
    SuffixView(std::string_view letters, const std::vector<std::int32_t>& suffixes)
        : letters_(letters), suffixes_(suffixes) {}

    int letterAt(std::uint32_t rank, std::uint32_t depth) const {
        const auto pos = static_cast<std::size_t>(suffixes_[rank]) + depth;
        return pos < letters_.size() ? static_cast<unsigned char>(letters_[pos]) : -1;
    }

    // The part of range (suffixes that share their first depth letters) whose
    // letter at depth is c, where no suffix before from has c or a later letter
    // there. Both ends are found by galloping from where the search stands, so
    // that a small part near from costs few steps.
    Range narrow(Range range, std::uint32_t from, std::uint32_t depth, int c) const {
        const auto lo = firstNotBelow(from, range.hi, depth, c);
        return {lo, firstNotBelow(lo, range.hi, depth, c + 1)};
    }

  private:
    // The first rank of [first, last) whose letter at depth is not below bound,
    // the letters there ascending; last when there is none.
    std::uint32_t firstNotBelow(std::uint32_t first, std::uint32_t last, std::uint32_t depth,
                                int bound) const {
        std::uint32_t lo = first;
        std::uint32_t hi = first;
        for (std::uint32_t step = 1; hi < last && letterAt(hi, depth) < bound; step *= 2) {
            lo = hi + 1;
            hi = std::min(last, hi + step);
        }
        while (lo < hi) {
            const auto mid = lo + (hi - lo) / 2;
            if (letterAt(mid, depth) < bound) {
                lo = mid + 1;
            } else {
                hi = mid;
            }
        }
        return lo;
    }

    std::string_view letters_;
    const std::vector<std::int32_t>& suffixes_;
};

std::vector<std::int32_t> suffixArray(const std::string& letters) {
    std::vector<std::int32_t> suffixes(letters.size());
    if (!letters.empty()) {
        divsufsort(reinterpret_cast<const sauchar_t*>(letters.data()), suffixes.data(),
                   static_cast<saidx_t>(letters.size()));
    }
    return suffixes;
}

}  // namespace

EmbeddedSearch::EmbeddedSearch(const PreparedText& text, const DicWords& dicWords,
                               const DictionaryOrder* order)
    : text_(text), dicWords_(dicWords) {
    {
        const auto suffixes = suffixArray(text_.letters);
        std::optional<DictionaryOrder> ownOrder;
        findWords(suffixes, order ? *order : ownOrder.emplace(dicWords_));
        markLongestWords(suffixes);
    }
    findSlotWords();
    countOccurrences();
}

// Walks the distinct dictionary words in byte order, narrowing the suffix range
// letter by letter. Consecutive words share their common prefix's ranges, and a
// prefix that does not occur ends the walk for every word that extends it: they
// are skipped at once.
void EmbeddedSearch::findWords(const std::vector<std::int32_t>& suffixes,
                               const DictionaryOrder& order) {
    const SuffixView view(text_.letters, suffixes);
    std::array<std::uint32_t, 257> bucket{};
    for (const char c : text_.letters) {
        ++bucket[static_cast<unsigned char>(c) + 1];
    }
    for (std::size_t c = 1; c < bucket.size(); ++c) {
        bucket[c] += bucket[c - 1];
    }

    // ranges[d]: the suffixes that begin with the first d letters of the previous
    // word, known for d up to `known`.
    std::vector<Range> ranges(order.longestWord() + 1);
    ranges[0] = {0, text_.letterCount()};
    std::size_t known = 0;
    std::vector<std::uint32_t> open;  // found words whose range holds the current one
    for (std::size_t i = 0; i < order.size();) {
        const auto shared = order.sharedWithPrevious(i);
        std::size_t depth = std::min<std::size_t>(known, shared);
        // Below a prefix the previous word shares, the previous word's next letter
        // comes before this word's: its part of the range lies before this one's.
        auto from = depth < known ? ranges[depth + 1].hi : ranges[depth].lo;
        // The word itself is read only past the letter after the shared ones,
        // which the order keeps: most walks end at that letter.
        std::string_view word;
        while (!ranges[depth].empty()) {
            int c = 0;
            if (depth == shared) {
                c = order.letterAfterShared(i);
            } else {
                if (word.empty()) {
                    word = dicWords_[order.entry(i)];
                }
                if (depth == word.size()) {
                    break;
                }
                c = static_cast<unsigned char>(word[depth]);
            }
            ranges[depth + 1] =
                depth == 0 ? Range{bucket[c], bucket[c + 1]}
                           : view.narrow(ranges[depth], from, static_cast<std::uint32_t>(depth), c);
            ++depth;
            from = ranges[depth].lo;
        }
        known = depth;
        if (ranges[depth].empty()) {
            // No suffix begins with the first `depth` letters of the word, nor
            // with those of the words that share them (its equals among them).
            i = order.firstSharingFewerThan(i + 1, static_cast<std::uint32_t>(depth));
            continue;
        }
        if (word.empty()) {
            word = dicWords_[order.entry(i)];
        }
        const auto end = order.endOfEqualWords(dicWords_, i);
        // The whole word occurs.
        FoundWord found;
        found.lo = ranges[depth].lo;
        found.hi = ranges[depth].hi;
        found.length = static_cast<std::uint32_t>(word.size());
        found.firstEntry = static_cast<std::uint32_t>(entries_.size());
        found.entryCount = static_cast<std::uint32_t>(end - i);
        for (std::size_t place = i; place < end; ++place) {
            entries_.push_back(order.entry(place));
        }
        // In byte order a word's range lies inside the ranges of its prefixes
        // and after the ranges of earlier words that are not its prefixes.
        while (!open.empty() && found_[open.back()].hi < found.hi) {
            open.pop_back();
        }
        found.parent = open.empty() ? kNone : open.back();
        open.push_back(static_cast<std::uint32_t>(found_.size()));
        found_.push_back(found);
        i = end;
    }
}

// Sweeps the suffixes in order with the found words whose ranges hold the
// current one; the innermost is the longest word that starts at that suffix.
void EmbeddedSearch::markLongestWords(const std::vector<std::int32_t>& suffixes) {
    longestAt_.assign(text_.letterCount(), kNone);
    std::vector<std::uint32_t> open;
    std::uint32_t next = 0;
    for (std::uint32_t rank = 0; rank < suffixes.size(); ++rank) {
        while (!open.empty() && found_[open.back()].hi <= rank) {
            open.pop_back();
        }
        while (next < found_.size() && found_[next].lo == rank) {
            open.push_back(next++);
        }
        if (!open.empty()) {
            longestAt_[static_cast<std::size_t>(suffixes[rank])] = open.back();
        }
    }
}

bool EmbeddedSearch::startsAt(std::uint32_t word, std::uint32_t position0) const {
    const auto longest = longestAt_[position0];
    return longest != kNone && found_[word].lo <= found_[longest].lo &&
           found_[longest].hi <= found_[word].hi;
}

void EmbeddedSearch::findSlotWords() {
    slotWord_.assign(text_.wordCount() + 1, kNone);
    for (std::uint32_t slot = 1; slot <= text_.wordCount(); ++slot) {
        const auto start = text_.wordEnd[slot - 1];
        const auto length = text_.wordEnd[slot] - start;
        if (length == 0) {
            continue;
        }
        auto word = longestAt_[start];
        while (word != kNone && found_[word].length > length) {
            word = found_[word].parent;
        }
        if (word != kNone && found_[word].length == length) {
            slotWord_[slot] = word;
        }
    }
}

void EmbeddedSearch::countOccurrences() {
    for (auto& found : found_) {
        found.counted = found.hi - found.lo;
    }
    for (std::uint32_t slot = 1; slot <= text_.wordCount(); ++slot) {
        const auto word = slotWord_[slot];
        if (word == kNone) {
            continue;
        }
        for (auto p = text_.wordEnd[slot - 1]; p < text_.wordEnd[slot]; ++p) {
            if (startsAt(word, p)) {
                --found_[word].counted;
            }
        }
    }
    for (const auto& found : found_) {
        occurrenceCount_ += found.counted * found.entryCount;
    }
}

void EmbeddedSearch::marksAt(std::uint32_t longest, std::uint32_t leftOut,
                             std::vector<std::uint32_t>& indices) const {
    indices.clear();
    for (auto word = longest; word != kNone; word = found_[word].parent) {
        if (word != leftOut) {
            const auto first = entries_.begin() + found_[word].firstEntry;
            indices.insert(indices.end(), first, first + found_[word].entryCount);
        }
    }
    std::sort(indices.begin(), indices.end());
}

void EmbeddedSearch::writeMarks(const std::vector<std::uint32_t>& indices,
                                std::string& text) const {
    for (const auto index : indices) {
        text.append(dicWords_[index]).push_back(',');
    }
}

std::string_view EmbeddedSearch::markTextAt(std::uint32_t position, std::uint32_t slot,
                                            MarkTexts& texts) const {
    assert(position >= 1 && position <= longestAt_.size() && slot < slotWord_.size());
    const auto longest = longestAt_[position - 1];
    if (longest == kNone) {
        return {};
    }
    if (texts.byWord_.size() != found_.size()) {
        texts.byWord_.assign(found_.size(), {});
    }
    // The marks of the words starting at a position: those of its longest word and
    // of that word's prefixes, which its parent's marks hold.
    const auto kept = [&](std::uint32_t word) -> std::string_view {
        if (word == kNone) {
            return {};
        }
        // Once made a text is not empty: the word has an entry at least.
        auto& text = texts.byWord_[word];
        if (text.length == 0) {
            marksAt(word, kNone, texts.indices_);
            text.begin = texts.kept_.size();
            writeMarks(texts.indices_, texts.kept_);
            text.length = texts.kept_.size() - text.begin;
        }
        return std::string_view(texts.kept_).substr(text.begin, text.length);
    };
    const auto own = slotWord_[slot];
    if (own == kNone || !startsAt(own, position - 1)) {
        return kept(longest);
    }
    // The slot's own word is left out: when it is the longest, what is left is
    // its parent's marks.
    if (own == longest) {
        return kept(found_[longest].parent);
    }
    marksAt(longest, own, texts.indices_);
    texts.other_.clear();
    writeMarks(texts.indices_, texts.other_);
    return texts.other_;
}

std::uint64_t EmbeddedSearch::occurrenceBytes(const EncodedSize& encoded) const {
    const auto comma = encoded.of(",");
    std::uint64_t bytes = 0;
    for (const auto& found : found_) {
        for (auto entry = found.firstEntry; entry < found.firstEntry + found.entryCount; ++entry) {
            bytes += found.counted * (encoded.of(dicWords_[entries_[entry]]) + comma);
        }
    }
    return bytes;
}

std::vector<EmbeddedWord> EmbeddedSearch::embeddedWords() const {
    std::vector<std::uint32_t> counted;
    for (std::uint32_t word = 0; word < found_.size(); ++word) {
        if (found_[word].counted > 0) {
            counted.push_back(word);
        }
    }
    // A word's first dictionary entry is the first of its group.
    const auto firstEntry = [&](std::uint32_t word) { return entries_[found_[word].firstEntry]; };
    std::sort(counted.begin(), counted.end(),
              [&](std::uint32_t a, std::uint32_t b) { return firstEntry(a) < firstEntry(b); });
    std::vector<EmbeddedWord> words;
    words.reserve(counted.size());
    for (const auto word : counted) {
        const auto& found = found_[word];
        words.push_back({std::string(dicWords_[firstEntry(word)]),
                         static_cast<std::int64_t>(found.counted * found.entryCount),
                         static_cast<int>(found.length)});
    }
    return words;
}

}  // namespace undertext::embed
