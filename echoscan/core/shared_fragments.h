#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "common/core/job_control.h"

namespace undertext::echoscan {

// Echoes across texts: the fragments that stand in two or more of several texts.
//
// Each text is a FragmentText, searched as the recurring-fragment search searches
// one: a fragment lies within the text's first P - 2 bytes (P its length), so its
// counts and first occurrences are those kwic and the text's own reports see. A
// fragment is shared when it stands in at least two different texts; it counts
// every start in every text, overlapping ones included.
//
// Absorption across texts: an occurrence of a shared fragment X (length L) is
// covered when, in the same text, a span holding it and longer than it is an
// occurrence of a shared fragment of length L + 1 to maxLength. X is listed when
// one of its occurrences, in any text, is not covered; fragments of length
// maxLength never are. This is the recurring-fragment search's rule with "recurs in
// the text" read as "is shared by two texts". With allLengths every shared
// fragment of minLength to maxLength is listed, covered or not.

// One text that holds a shared fragment.
struct TextShare {
    std::uint32_t text = 0;        // index of the text in the search's input
    std::uint32_t count = 0;       // the fragment's starts in it
    std::uint32_t firstStart = 0;  // the first of them, 0-based in its FragmentText

    friend bool operator==(const TextShare&, const TextShare&) = default;
};

// One shared fragment: its bytes stand in text `text` at `start` (its first listed
// occurrence: the first uncovered one, or with allLengths the first of all, texts in
// input order); `total` counts its starts in all texts. Its texts are the
// SharedFragments' shares[firstShare, firstShare + textCount), by text index.
struct SharedFragment {
    std::uint32_t text = 0;
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    std::uint64_t total = 0;
    std::uint32_t firstShare = 0;
    std::uint32_t textCount = 0;
};

// The fragments ordered by length, then by (text, start) of their first listed
// occurrence; each fragment text once.
struct SharedFragments {
    std::vector<SharedFragment> fragments;
    std::vector<TextShare> shares;

    std::span<const TextShare> sharesOf(const SharedFragment& fragment) const {
        return std::span(shares).subspan(fragment.firstShare, fragment.textCount);
    }
    std::string_view textOf(const SharedFragment& fragment,
                            const std::vector<std::string_view>& fragmentTexts) const {
        return fragmentTexts[fragment.text].substr(fragment.start, fragment.length);
    }
};

// The bytes the search joins: each text's searched part and a separator. At most
// kMaxSharedSearchBytes, as the suffix array holds 32-bit signed positions; the
// caller refuses texts beyond that.
std::uint64_t sharedSearchBytes(const std::vector<std::string_view>& fragmentTexts);
inline constexpr std::uint64_t kMaxSharedSearchBytes = 0x7FFFFFFF;

// Finds the shared fragments of minLength to maxLength (1 <= minLength <= maxLength)
// in fragmentTexts, which must hold no byte 0 (FragmentTexts never do) and join
// into at most kMaxSharedSearchBytes. One suffix array over all the texts, each followed
// by a separator: O(n log n) time for n bytes, plus the work of the listed
// fragments' texts. Memory above the inputs: at most 13 bytes per byte (11 when
// maxLength < 65535), then the result. Passes a stop point every 65,536 suffixes
// and reports progress 50 once the index is built, 70 and 100 through control;
// nullopt when a stop point asks to stop. Reentrant: the texts are only read.
std::optional<SharedFragments> findSharedFragments(
    const std::vector<std::string_view>& fragmentTexts, int minLength, int maxLength,
    bool allLengths, JobControl& control);

// The position kwic shows for the occurrence of `fragment` at `start` of a
// FragmentText: 1-based, in characters of the decoded source, of its first letter
// (a leading blank stands for the separators before it), or of the first separator
// of the run for the fragment that is one blank. sourcePositions is the map that
// prepareFragmentText gives.
std::uint64_t kwicPosition(const std::vector<std::uint32_t>& sourcePositions,
                           std::string_view fragment, std::uint32_t start);

// The kwic position of each share's first occurrence (by share index): the texts'
// maps are asked for one at a time, in text order, and only for texts that hold a
// listed fragment, so one map lives at a time.
std::vector<std::uint64_t> firstKwicPositions(
    const SharedFragments& found, const std::vector<std::string_view>& fragmentTexts,
    const std::function<std::vector<std::uint32_t>(std::size_t text)>& sourcePositionsOf);

}  // namespace undertext::echoscan
