#include "recurring_fragments.h"

#include <algorithm>
#include <cassert>

#include "common/core/number_text.h"
#include "repeat_index.h"

namespace undertext::echoscan {
namespace {

// ProgressValue is kept in single precision; the window shows its whole part.
class ProgressValue {
  public:
    explicit ProgressValue(JobControl& control) : control_(control) {}

    float value() const { return value_; }
    int wholePart() const { return static_cast<int>(value_); }
    void advance(float step) {
        value_ += step;
        control_.progress(wholePart());
    }

  private:
    JobControl& control_;
    float value_ = 2.0F;
};

// The items 0 .. itemCount - 1 grouped by a key in [minKey, maxKey], in item order
// within one key; items whose key lies outside are left out.
class Buckets {
  public:
    template <typename KeyOf>
    Buckets(std::size_t itemCount, int minKey, int maxKey, KeyOf keyOf)
        : minKey_(minKey), offsets_(static_cast<std::size_t>(maxKey - minKey) + 2, 0) {
        const auto slot = [&](std::size_t item) -> std::ptrdiff_t {
            const int key = keyOf(item);
            return key < minKey || key > maxKey ? -1 : key - minKey;
        };
        for (std::size_t item = 0; item < itemCount; ++item) {
            if (const auto s = slot(item); s >= 0) {
                ++offsets_[static_cast<std::size_t>(s) + 1];
            }
        }
        for (std::size_t k = 1; k < offsets_.size(); ++k) {
            offsets_[k] += offsets_[k - 1];
        }
        items_.resize(offsets_.back());
        std::vector<std::size_t> next(offsets_.begin(), offsets_.end() - 1);
        for (std::size_t item = 0; item < itemCount; ++item) {
            if (const auto s = slot(item); s >= 0) {
                items_[next[static_cast<std::size_t>(s)]++] = static_cast<std::int32_t>(item);
            }
        }
    }

    template <typename Visit>
    void forEach(int key, Visit visit) const {
        const auto k = static_cast<std::size_t>(key - minKey_);
        for (std::size_t i = offsets_[k]; i < offsets_[k + 1]; ++i) {
            visit(static_cast<std::size_t>(items_[i]));
        }
    }

  private:
    int minKey_;
    std::vector<std::size_t> offsets_;
    std::vector<std::int32_t> items_;
};

// Disjoint sets of neighbouring suffix ranks. Once every neighbour pair whose LCP
// is at least L is joined, each set is the run of suffixes sharing their first L
// bytes: the occurrences of one fragment text of length L.
class RankIntervals {
  public:
    explicit RankIntervals(std::size_t ranks) : parent_(ranks), size_(ranks, 1) {
        for (std::size_t r = 0; r < ranks; ++r) {
            parent_[r] = static_cast<std::int32_t>(r);
        }
    }

    std::size_t root(std::size_t r) {
        while (static_cast<std::size_t>(parent_[r]) != r) {
            parent_[r] = parent_[parent_[r]];
            r = parent_[r];
        }
        return r;
    }
    std::uint32_t size(std::size_t root) const { return size_[root]; }

    void join(std::size_t a, std::size_t b) {
        a = root(a);
        b = root(b);
        if (a == b) {
            return;
        }
        if (size_[a] < size_[b]) {
            std::swap(a, b);
        }
        parent_[b] = static_cast<std::int32_t>(a);
        size_[a] += size_[b];
    }

  private:
    std::vector<std::int32_t> parent_;
    std::vector<std::uint32_t> size_;
};

// The longest length a pass can find, min(maxLength, searched bytes).
int longestPassLength(std::size_t searched, int maxLength) {
    return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(maxLength), searched));
}

// The length passes: pass L has one stop point per start 1 .. N - L and
// finds the starts whose longest repeat reaches L; the first pass that finds
// nothing ends them. Returns the number of occurrences found, or nullopt when
// stopped.
std::optional<std::int64_t> runLengthPasses(const RepeatIndex& index, std::int64_t searchEnd,
                                            int minLength, int maxLength, ProgressValue& progress,
                                            JobControl& control) {
    const int longest = longestPassLength(index.longestRepeat.size(), maxLength);
    // occurrences[L - minLength]: the starts whose longest repeat is at least L.
    std::vector<std::int64_t> occurrences(
        static_cast<std::size_t>(std::max(longest - minLength + 1, 0)) + 1, 0);
    for (const std::int32_t repeat : index.longestRepeat) {
        const int reach = std::min(repeat, longest);
        if (reach >= minLength) {
            ++occurrences[static_cast<std::size_t>(reach - minLength)];
        }
    }
    for (std::size_t k = occurrences.size() - 1; k-- > 0;) {
        occurrences[k] += occurrences[k + 1];
    }

    const int spread = maxLength - minLength;
    const float latePassStep = spread > 30 ? static_cast<float>(20.0 / spread) : 0.0F;
    std::int64_t found = 0;
    for (int length = minLength; length <= maxLength; ++length) {
        for (std::int64_t start = 1; start <= searchEnd - length; ++start) {
            if (control.stopPoint()) {
                return std::nullopt;
            }
        }
        const auto pass = static_cast<std::size_t>(length - minLength);
        const std::int64_t passFound = pass < occurrences.size() ? occurrences[pass] : 0;
        if (passFound == 0) {
            break;
        }
        found += passFound;
        progress.advance(progress.value() < 60.0F ? 2.0F : latePassStep);
    }
    return found;
}

// The absorption pass: one stop point per occurrence, and 2 more percent each time
// a counter passes the threshold that spreads the rest of the way to about 95.
bool runAbsorptionPass(std::int64_t occurrences, ProgressValue& progress, JobControl& control) {
    if (occurrences == 0) {
        return true;
    }
    // The length passes leave the value below 80, so the divisor is at least 15.
    const std::int64_t threshold =
        divideRoundHalfEven(2 * (occurrences - 1), 95 - progress.wholePart());
    std::int64_t counter = 0;
    for (std::int64_t entry = 0; entry < occurrences; ++entry) {
        if (control.stopPoint()) {
            return false;
        }
        if (counter > threshold) {
            progress.advance(2.0F);
            counter = 0;
        } else {
            ++counter;
        }
    }
    return true;
}

// Absorption and merging: the occurrence (s, L) is covered by a longer recurring fragment
// exactly when (s, L + 1) or (s - 1, L + 1) recurs and L < maxLength. So a start s
// has at most one uncovered occurrence, of length min(longestRepeat[s], maxLength).
// Going down the lengths, the suffix runs of each length are joined from those of
// the next; a fragment is listed at its first uncovered start, with its run's size.
std::vector<RecurringFragment> collectFragments(const RepeatIndex& index, int minLength,
                                                int maxLength) {
    const std::size_t searched = index.longestRepeat.size();
    const int longest = longestPassLength(searched, maxLength);
    if (longest < minLength) {
        return {};
    }
    const auto& repeat = index.longestRepeat;
    const Buckets uncoveredStarts(searched, minLength, longest, [&](std::size_t s) {
        const int length = std::min(repeat[s], longest);
        const bool covered = length < maxLength && s > 0 && repeat[s - 1] > length;
        return covered ? 0 : length;
    });
    const Buckets neighbourPairs(searched, minLength, longest, [&](std::size_t r) {
        return r == 0 ? 0 : std::min(index.neighbourLcp[r], longest);
    });

    RankIntervals runs(searched);
    std::vector<std::int32_t> listedAtLength(searched, 0);
    std::vector<RecurringFragment> found;
    std::vector<std::size_t> lengthEnds;
    for (int length = longest; length >= minLength; --length) {
        neighbourPairs.forEach(length, [&](std::size_t r) { runs.join(r - 1, r); });
        uncoveredStarts.forEach(length, [&](std::size_t s) {
            const std::size_t run = runs.root(static_cast<std::size_t>(index.rank[s]));
            if (listedAtLength[run] != length) {
                listedAtLength[run] = length;
                found.push_back({static_cast<std::uint32_t>(s), static_cast<std::uint32_t>(length),
                                 runs.size(run)});
            }
        });
        lengthEnds.push_back(found.size());
    }

    // Found from the longest length down; the result goes from the shortest up.
    std::vector<RecurringFragment> fragments;
    fragments.reserve(found.size());
    for (std::size_t k = lengthEnds.size(); k-- > 0;) {
        const std::size_t begin = k == 0 ? 0 : lengthEnds[k - 1];
        fragments.insert(fragments.end(), found.begin() + static_cast<std::ptrdiff_t>(begin),
                         found.begin() + static_cast<std::ptrdiff_t>(lengthEnds[k]));
    }
    return fragments;
}

}  // namespace

std::optional<std::vector<RecurringFragment>> findRecurringFragments(std::string_view fragmentText,
                                                                     int minLength, int maxLength,
                                                                     JobControl& control) {
    assert(1 <= minLength && minLength <= maxLength);
    assert(fragmentText.size() <= kMaxFragmentTextLength);
    const auto searchEnd = static_cast<std::int64_t>(fragmentText.size()) - 1;
    // Fragments lie within the first N - 1 bytes.
    const std::string_view searched = fragmentText.substr(0, searchEnd > 1 ? searchEnd - 1 : 0);
    const RepeatIndex index = buildRepeatIndex(searched);

    ProgressValue progress(control);
    const auto occurrences =
        runLengthPasses(index, searchEnd, minLength, maxLength, progress, control);
    if (!occurrences || !runAbsorptionPass(*occurrences, progress, control)) {
        return std::nullopt;
    }
    return collectFragments(index, minLength, maxLength);
}

}  // namespace undertext::echoscan
