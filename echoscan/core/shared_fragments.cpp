#include "echoscan/core/shared_fragments.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <string>
#include <tuple>

#include "echoscan/core/repeat_index.h"

namespace undertext::echoscan {
namespace {

// A fragment ends before the last two bytes of its FragmentText.
std::string_view searchedPart(std::string_view text) {
    return text.substr(0, text.size() > 2 ? text.size() - 2 : 0);
}

// At most this many suffixes of work go by between two looks for a stop.
constexpr std::size_t kWorkBetweenChecks = 65536;
constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kMixed = kNone - 1;  // an interval holding two texts or more

// The searched parts of the texts joined, each followed by the separator 0.
struct JoinedTexts {
    std::string bytes;
    std::vector<std::uint32_t> starts;  // text t is [starts[t], starts[t + 1] - 1), then 0

    explicit JoinedTexts(const std::vector<std::string_view>& texts) {
        const auto size = sharedSearchBytes(texts);
        assert(size <= kMaxSharedSearchBytes);
        bytes.reserve(size);
        for (const auto text : texts) {
            starts.push_back(static_cast<std::uint32_t>(bytes.size()));
            bytes += searchedPart(text);
            bytes.push_back('\0');
        }
        starts.push_back(static_cast<std::uint32_t>(bytes.size()));
    }

    // The text a position belongs to (a separator belongs to the text it ends).
    std::uint32_t textOf(std::int32_t position) const {
        const auto after =
            std::upper_bound(starts.begin(), starts.end(), static_cast<std::uint32_t>(position));
        return static_cast<std::uint32_t>(after - starts.begin() - 1);
    }
    // The bytes from position to its text's separator.
    std::uint32_t remaining(std::int32_t position) const {
        return starts[textOf(position) + 1] - 1 - static_cast<std::uint32_t>(position);
    }
};

// Calls checkStop every kWorkBetweenChecks steps; true once it has asked to stop.
class StopChecks {
  public:
    explicit StopChecks(JobControl& control) : control_(control) {}
    bool step() {
        if (++steps_ % kWorkBetweenChecks == 0 && control_.stopPoint()) {
            stopped_ = true;
        }
        return stopped_;
    }

  private:
    JobControl& control_;
    std::size_t steps_ = 0;
    bool stopped_ = false;
};

// Makes neighbourLcp[r] the common prefix of ranks r - 1 and r within their texts,
// cut to the range: below minLength 0, above maxLength maxLength. A common prefix
// that reaches rank r's separator reaches the other's at the same place (no text
// holds the byte 0), so the bytes up to rank r's separator bound it. Cutting is
// monotone, so minima and maxima of cut values are the cut minima and maxima.
template <typename Lcp>
bool cutNeighbourLcp(RepeatIndex<Lcp>& index, const JoinedTexts& joined, int minLength,
                     int maxLength, StopChecks& stops) {
    const auto& suffixArray = index.suffixArray;
    for (std::size_t r = 0; r < suffixArray.size(); ++r) {
        if (stops.step()) {
            return false;
        }
        const std::uint32_t common =
            r == 0 ? 0
                   : std::min(static_cast<std::uint32_t>(index.neighbourLcp[r]),
                              joined.remaining(suffixArray[r]));
        index.neighbourLcp[r] =
            static_cast<Lcp>(common < static_cast<std::uint32_t>(minLength)
                                 ? 0
                                 : std::min(common, static_cast<std::uint32_t>(maxLength)));
    }
    return true;
}

// By start: the longest (cut) L such that the L bytes there also stand in another
// text: the larger of the common prefixes with the nearest ranks of another text
// on either side, each the minimum LCP up to that rank.
template <typename Lcp>
std::optional<std::vector<Lcp>> longestSharedByStart(const RepeatIndex<Lcp>& index,
                                                     const JoinedTexts& joined, StopChecks& stops) {
    const auto& suffixArray = index.suffixArray;
    const auto& lcp = index.neighbourLcp;
    const std::size_t n = suffixArray.size();
    std::vector<Lcp> longest(n, 0);
    Lcp run = 0;
    std::uint32_t neighbourText = joined.textOf(suffixArray[0]);
    for (std::size_t r = 1; r < n; ++r) {
        if (stops.step()) {
            return std::nullopt;
        }
        const auto text = joined.textOf(suffixArray[r]);
        run = text != neighbourText ? lcp[r] : std::min(run, lcp[r]);
        longest[static_cast<std::size_t>(suffixArray[r])] = run;
        neighbourText = text;
    }
    run = 0;
    neighbourText = joined.textOf(suffixArray[n - 1]);
    for (std::size_t r = n - 1; r-- > 0;) {
        if (stops.step()) {
            return std::nullopt;
        }
        const auto text = joined.textOf(suffixArray[r]);
        run = text != neighbourText ? lcp[r + 1] : std::min(run, lcp[r + 1]);
        auto& own = longest[static_cast<std::size_t>(suffixArray[r])];
        own = std::max(own, run);
        neighbourText = text;
    }
    return longest;
}

// By start: whether it holds an uncovered occurrence. Covering needs a shared
// (s, L + 1) or (s - 1, L + 1) with L < maxLength, so a start has at most one, of
// the length c of its longest shared fragment: when c = maxLength, or the start
// before it (in the same text) shares no c + 1 bytes.
template <typename Lcp>
std::vector<bool> uncoveredStarts(const std::vector<Lcp>& longest, const JoinedTexts& joined,
                                  int maxLength) {
    std::vector<bool> uncovered(longest.size());
    for (std::size_t t = 0; t + 1 < joined.starts.size(); ++t) {
        const std::size_t first = joined.starts[t];
        for (std::size_t s = first; s + 1 < joined.starts[t + 1]; ++s) {
            const int length = longest[s];
            uncovered[s] = length > 0 && (length == maxLength || s == first ||
                                          static_cast<int>(longest[s - 1]) <= length);
        }
    }
    return uncovered;
}

// One text's starts within an interval: their number and the first (joined).
struct Tally {
    std::uint32_t text;
    std::uint32_t count;
    std::uint32_t firstStart;
};

// An LCP interval still open in the walk: the ranks from firstRank on whose
// suffixes share `length` bytes. Its tallies are tallies[tallyBegin, end) of the
// walk, sorted and merged up to compactedSize entries.
struct OpenInterval {
    std::uint32_t firstRank;
    std::int32_t length;
    std::uint32_t tallyBegin;
    std::uint32_t compactedSize = 0;
    std::uint32_t soleText = kNone;            // kMixed once a second text comes
    std::uint32_t firstFreeUncovered = kNone;  // see IntervalWalk
};

// The walk of the LCP intervals (cut to the range) in rank order with a stack of
// the open ones. An interval of length L is the set of starts of one text of
// length L; it is shared when it holds two texts. The deepest shared interval
// around a rank has the length of that start's longest shared fragment, so a
// start's uncovered occurrence is listed by the deepest shared interval that
// holds it: an interval keeps the first uncovered start that no shared interval
// inside it holds ("free"), and a closing interval that is not shared hands its
// own on. Tallies per text go up the same way; each interval's are merged when
// they have doubled, so the stack holds about two per text per open interval.
class IntervalWalk {
  public:
    IntervalWalk(const JoinedTexts& joined, int minLength, bool allLengths, SharedFragments& found)
        : joined_(joined), minLength_(minLength), allLengths_(allLengths), found_(found) {}

    template <typename Lcp>
    bool run(const RepeatIndex<Lcp>& index, const std::vector<bool>& uncovered, StopChecks& stops) {
        const auto& suffixArray = index.suffixArray;
        const std::size_t ranks = suffixArray.size();
        for (std::size_t next = 1; next <= ranks; ++next) {
            if (stops.step()) {
                return false;
            }
            const auto rank = static_cast<std::uint32_t>(next - 1);
            const std::int32_t start = suffixArray[rank];
            const std::int32_t length = next < ranks ? index.neighbourLcp[next] : 0;
            if (length > topLength()) {
                open_.push_back({rank, length, tallySize()});
            }
            if (!open_.empty()) {
                addStart(start, uncovered[static_cast<std::size_t>(start)]);
            }
            while (length < topLength()) {
                close(rank, length);
            }
        }
        return true;
    }

  private:
    std::int32_t topLength() const { return open_.empty() ? 0 : open_.back().length; }
    std::uint32_t tallySize() const { return static_cast<std::uint32_t>(tallies_.size()); }

    void addStart(std::int32_t start, bool isUncovered) {
        auto& top = open_.back();
        const auto position = static_cast<std::uint32_t>(start);
        const auto text = joined_.textOf(start);
        top.soleText = top.soleText == kNone || top.soleText == text ? text : kMixed;
        if (isUncovered) {
            top.firstFreeUncovered = std::min(top.firstFreeUncovered, position);
        }
        if (tallySize() > top.tallyBegin && tallies_.back().text == text) {
            auto& last = tallies_.back();
            ++last.count;
            last.firstStart = std::min(last.firstStart, position);
        } else {
            tallies_.push_back({text, 1, position});
        }
        if (tallySize() - top.tallyBegin > 2 * top.compactedSize + 32) {
            compact(top);
        }
    }

    void compact(OpenInterval& interval) {
        const auto begin = tallies_.begin() + interval.tallyBegin;
        std::sort(begin, tallies_.end(),
                  [](const Tally& a, const Tally& b) { return a.text < b.text; });
        auto kept = begin;
        for (auto it = begin + 1; it < tallies_.end(); ++it) {
            if (it->text == kept->text) {
                kept->count += it->count;
                kept->firstStart = std::min(kept->firstStart, it->firstStart);
            } else {
                *++kept = *it;
            }
        }
        tallies_.erase(kept + 1, tallies_.end());
        interval.compactedSize = tallySize() - interval.tallyBegin;
    }

    // Closes the top interval, which ends at lastRank, when the next LCP is
    // `length`: lists it and hands what it holds to the interval around it.
    void close(std::uint32_t lastRank, std::int32_t length) {
        OpenInterval closed = open_.back();
        open_.pop_back();
        compact(closed);
        const bool shared = closed.soleText == kMixed;
        if (shared) {
            const std::int32_t outerLength = std::max(length, topLength());
            list(closed, lastRank - closed.firstRank + 1, outerLength);
        }
        if (length > topLength()) {
            open_.push_back({closed.firstRank, length, closed.tallyBegin, closed.compactedSize,
                             closed.soleText, shared ? kNone : closed.firstFreeUncovered});
            return;
        }
        if (open_.empty()) {
            tallies_.resize(closed.tallyBegin);  // the root keeps no tallies
            return;
        }
        auto& outer = open_.back();
        outer.soleText =
            outer.soleText == kNone || outer.soleText == closed.soleText ? closed.soleText : kMixed;
        if (!shared) {
            outer.firstFreeUncovered =
                std::min(outer.firstFreeUncovered, closed.firstFreeUncovered);
        }
    }

    void list(const OpenInterval& closed, std::uint64_t total, std::int32_t outerLength) {
        const auto tallies = std::span(tallies_).subspan(closed.tallyBegin);
        const auto add = [&](std::uint32_t position, std::int32_t length) {
            const auto text = joined_.textOf(static_cast<std::int32_t>(position));
            found_.fragments.push_back({text, position - joined_.starts[text],
                                        static_cast<std::uint32_t>(length), total,
                                        static_cast<std::uint32_t>(found_.shares.size()),
                                        static_cast<std::uint32_t>(tallies.size())});
            for (const auto& tally : tallies) {
                found_.shares.push_back(
                    {tally.text, tally.count, tally.firstStart - joined_.starts[tally.text]});
            }
        };
        if (!allLengths_) {
            if (closed.firstFreeUncovered != kNone) {
                add(closed.firstFreeUncovered, closed.length);
            }
            return;
        }
        // Every length down to the outer interval's has the same starts.
        for (auto length = std::max(outerLength + 1, minLength_); length <= closed.length;
             ++length) {
            add(tallies.front().firstStart, length);
        }
    }

    const JoinedTexts& joined_;
    const int minLength_;
    const bool allLengths_;
    SharedFragments& found_;
    std::vector<OpenInterval> open_;
    std::vector<Tally> tallies_;
};

template <typename Lcp>
std::optional<SharedFragments> search(const std::vector<std::string_view>& fragmentTexts,
                                      int minLength, int maxLength, bool allLengths,
                                      JobControl& control) {
    const JoinedTexts joined(fragmentTexts);
    auto index = buildRepeatIndex<Lcp>(joined.bytes);
    control.progress(50);
    StopChecks stops(control);
    if (!cutNeighbourLcp(index, joined, minLength, maxLength, stops)) {
        return std::nullopt;
    }
    std::vector<bool> uncovered;
    {
        const auto longest = longestSharedByStart(index, joined, stops);
        if (!longest) {
            return std::nullopt;
        }
        uncovered = uncoveredStarts(*longest, joined, maxLength);
    }
    control.progress(70);
    SharedFragments found;
    IntervalWalk walk(joined, minLength, allLengths, found);
    if (!walk.run(index, uncovered, stops)) {
        return std::nullopt;
    }
    std::sort(found.fragments.begin(), found.fragments.end(),
              [](const SharedFragment& a, const SharedFragment& b) {
                  return std::tie(a.length, a.text, a.start) < std::tie(b.length, b.text, b.start);
              });
    control.progress(100);
    return found;
}

}  // namespace

std::uint64_t sharedSearchBytes(const std::vector<std::string_view>& fragmentTexts) {
    std::uint64_t size = 0;
    for (const auto text : fragmentTexts) {
        size += searchedPart(text).size() + 1;
    }
    return size;
}

std::optional<SharedFragments> findSharedFragments(
    const std::vector<std::string_view>& fragmentTexts, int minLength, int maxLength,
    bool allLengths, JobControl& control) {
    assert(1 <= minLength && minLength <= maxLength);
    if (maxLength < std::numeric_limits<std::uint16_t>::max()) {
        return search<std::uint16_t>(fragmentTexts, minLength, maxLength, allLengths, control);
    }
    return search<std::int32_t>(fragmentTexts, minLength, maxLength, allLengths, control);
}

std::uint64_t kwicPosition(const std::vector<std::uint32_t>& sourcePositions,
                           std::string_view fragment, std::uint32_t start) {
    const bool leadingBlank = fragment.size() > 1 && fragment.front() == ' ';
    return std::uint64_t{sourcePositions[start + (leadingBlank ? 1 : 0)]} + 1;
}

std::vector<std::uint64_t> firstKwicPositions(
    const SharedFragments& found, const std::vector<std::string_view>& fragmentTexts,
    const std::function<std::vector<std::uint32_t>(std::size_t text)>& sourcePositionsOf) {
    // The shares of each text, as (share, fragment) indices.
    std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> byText(fragmentTexts.size());
    for (std::uint32_t f = 0; f < found.fragments.size(); ++f) {
        const auto& fragment = found.fragments[f];
        for (auto share = fragment.firstShare; share < fragment.firstShare + fragment.textCount;
             ++share) {
            byText[found.shares[share].text].emplace_back(share, f);
        }
    }
    std::vector<std::uint64_t> positions(found.shares.size());
    for (std::size_t text = 0; text < byText.size(); ++text) {
        if (byText[text].empty()) {
            continue;
        }
        const auto map = sourcePositionsOf(text);
        for (const auto& [share, f] : byText[text]) {
            const auto fragment = found.textOf(found.fragments[f], fragmentTexts);
            positions[share] = kwicPosition(map, fragment, found.shares[share].firstStart);
        }
        byText[text] = {};
    }
    return positions;
}

}  // namespace undertext::echoscan
