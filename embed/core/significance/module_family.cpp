#include "embed/core/significance/module_family.h"

#include <algorithm>
#include <functional>

namespace undertext::embed {
namespace {

// A word of the modules, by its first entry, and how many entries hold it.
struct Group {
    std::uint32_t index;
    std::uint32_t entries;
};

// Two lists of groups in byte order merged into one, equal words made one group.
std::vector<Group> mergeGroups(const DicWords& dicWords, const std::vector<Group>& a,
                               const std::vector<Group>& b) {
    std::vector<Group> merged;
    merged.reserve(a.size() + b.size());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const int order = dicWords[a[i].index].compare(dicWords[b[j].index]);
        if (order < 0) {
            merged.push_back(a[i++]);
        } else if (order > 0) {
            merged.push_back(b[j++]);
        } else {
            merged.push_back({a[i].index, a[i++].entries + b[j++].entries});
        }
    }
    merged.insert(merged.end(), a.begin() + static_cast<std::ptrdiff_t>(i), a.end());
    merged.insert(merged.end(), b.begin() + static_cast<std::ptrdiff_t>(j), b.end());
    return merged;
}

}  // namespace

// The found words in byte order, passed over beside words given in byte order.
class ModuleFamily::FoundWords {
  public:
    explicit FoundWords(const std::vector<EmbeddedWord>& found) : found_(found) {}

    // Whether word, which follows the words asked about before, was found.
    bool holdsNext(std::string_view word) {
        if (words_.empty() && !found_.empty()) {
            // Sorted at the first question: modules without repeated words ask none.
            for (const auto& known : found_) {
                words_.push_back(known.word);
            }
            std::sort(words_.begin(), words_.end());
        }
        while (next_ < words_.size() && words_[next_] < word) {
            ++next_;
        }
        return next_ < words_.size() && words_[next_] == word;
    }

  private:
    const std::vector<EmbeddedWord>& found_;
    std::vector<std::string_view> words_;
    std::size_t next_ = 0;
};

ModuleFamily::ModuleFamily(const DicWords& dicWords, const std::vector<EmbeddedWord>& found,
                           Language language, int modelOrder)
    : minimumUntested_(static_cast<std::size_t>(modelOrder) + 1) {
    for (int b = 255; b >= 0; --b) {
        const auto byte = static_cast<unsigned char>(b);
        if (isLetter(byte, language) && lowerLetter(byte, language) == byte) {
            lowest_ = byte;
            highest_ = std::max(highest_, byte);
        }
    }
    if (!countSorted(dicWords, found) && !countMergedRuns(dicWords, found)) {
        countByHash(dicWords, found);
    }
}

bool ModuleFamily::isTested(std::string_view word) const {
    if (word.size() <= minimumUntested_) {
        return false;
    }
    bool outside = false;  // no early exit: the loop is short and branch-free
    for (const char c : word) {
        const auto b = static_cast<unsigned char>(c);
        outside |= b < lowest_ || b > highest_;
    }
    return !outside;
}

std::uint32_t ModuleFamily::entriesOf(std::string_view word) const {
    const auto repeated =
        std::lower_bound(repeated_.begin(), repeated_.end(), WordEntries(word, 0));
    return repeated != repeated_.end() && repeated->first == word ? repeated->second : 1;
}

void ModuleFamily::countGroup(std::string_view word, std::uint32_t entries,
                              FoundWords& foundWords) {
    testedWords_ += isTested(word);
    if (entries > 1 && foundWords.holdsNext(word)) {
        repeated_.emplace_back(word, entries);
    }
}

bool ModuleFamily::countSorted(const DicWords& dicWords, const std::vector<EmbeddedWord>& found) {
    FoundWords foundWords(found);
    std::uint32_t group = 0;
    for (std::uint32_t i = 1; i <= dicWords.size(); ++i) {
        const int order = i < dicWords.size() ? dicWords[i - 1].compare(dicWords[i]) : -1;
        if (order > 0) {
            testedWords_ = 0;
            repeated_.clear();
            return false;
        }
        if (order < 0) {
            countGroup(dicWords[group], i - group, foundWords);
            group = i;
        }
    }
    return true;
}

// Each neighbour is compared once, which cuts the modules into runs in byte order
// and each run into groups of equal words; the runs' groups are then merged two
// at a time, so every word is compared a few times at most.
bool ModuleFamily::countMergedRuns(const DicWords& dicWords,
                                   const std::vector<EmbeddedWord>& found) {
    std::vector<std::vector<Group>> runs(1);
    runs.back().reserve(dicWords.size());
    for (std::uint32_t i = 1, group = 0; i <= dicWords.size(); ++i) {
        const int order = i < dicWords.size() ? dicWords[i - 1].compare(dicWords[i]) : -1;
        if (order != 0) {
            runs.back().push_back({group, i - group});
            group = i;
        }
        if (order > 0) {
            if (runs.size() == kMaxRuns) {
                return false;
            }
            runs.emplace_back().reserve(dicWords.size() - i);
        }
    }
    while (runs.size() > 1) {
        std::vector<std::vector<Group>> merged;
        for (std::size_t r = 0; r + 1 < runs.size(); r += 2) {
            merged.push_back(mergeGroups(dicWords, runs[r], runs[r + 1]));
        }
        if (runs.size() % 2 == 1) {
            merged.push_back(std::move(runs.back()));
        }
        runs = std::move(merged);
    }
    FoundWords foundWords(found);
    for (const auto& group : runs.front()) {
        countGroup(dicWords[group.index], group.entries, foundWords);
    }
    return true;
}

// Equal words have equal hashes: sorted by hash, the entries of a word come
// together, and only entries that share a hash (a repeated word, or rarely two
// words) are compared. Whether a word is tested is found in the first pass, while
// its letters are at hand.
void ModuleFamily::countByHash(const DicWords& dicWords, const std::vector<EmbeddedWord>& found) {
    struct Entry {
        std::size_t hash;
        std::uint32_t index;
        bool tested;
    };
    std::vector<Entry> entries(dicWords.size());
    for (std::uint32_t i = 0; i < entries.size(); ++i) {
        const auto word = dicWords[i];
        entries[i] = {std::hash<std::string_view>{}(word), i, isTested(word)};
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
    std::vector<WordEntries> repeated;
    std::vector<WordEntries> sameHash;
    for (std::size_t i = 0; i < entries.size();) {
        auto end = i + 1;
        while (end < entries.size() && entries[end].hash == entries[i].hash) {
            ++end;
        }
        if (end - i == 1) {
            testedWords_ += entries[i].tested;
            i = end;
            continue;
        }
        sameHash.clear();
        for (auto k = i; k < end; ++k) {
            const auto word = dicWords[entries[k].index];
            const auto same = std::find_if(sameHash.begin(), sameHash.end(),
                                           [&](const auto& known) { return known.first == word; });
            if (same == sameHash.end()) {
                sameHash.emplace_back(word, 1);
                testedWords_ += entries[k].tested;
            } else {
                ++same->second;
            }
        }
        std::copy_if(sameHash.begin(), sameHash.end(), std::back_inserter(repeated),
                     [](const WordEntries& word) { return word.second > 1; });
        i = end;
    }
    std::sort(repeated.begin(), repeated.end());
    FoundWords foundWords(found);
    std::copy_if(repeated.begin(), repeated.end(), std::back_inserter(repeated_),
                 [&](const WordEntries& word) { return foundWords.holdsNext(word.first); });
}

}  // namespace undertext::embed
