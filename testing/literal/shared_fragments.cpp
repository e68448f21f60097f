#include "testing/literal/shared_fragments.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "common/core/job_control.h"
#include "echoscan/core/shared_fragments.h"

namespace undertext::testing {
namespace {

// A fragment's starts in each text.
using StartsByText = std::vector<std::vector<long>>;

bool holdsTwoTexts(const StartsByText& starts) {
    return std::count_if(starts.begin(), starts.end(),
                         [](const auto& inText) { return !inText.empty(); }) >= 2;
}

// Whether the occurrence (text, start, length) lies, with a longer span, within an
// occurrence of a longer shared fragment of the same text.
bool covered(const std::map<std::string, StartsByText>& shared, std::size_t text, long start,
             long length) {
    for (const auto& [longer, starts] : shared) {
        const auto longerLength = static_cast<long>(longer.size());
        if (longerLength <= length) {
            continue;
        }
        for (const long other : starts[text]) {
            if (other <= start && other + longerLength >= start + length) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::vector<LiteralSharedFragment> literalSharedFragments(const std::vector<std::string>& texts,
                                                          int minLength, int maxLength,
                                                          bool allLengths) {
    std::map<std::string, StartsByText> all;
    for (std::size_t t = 0; t < texts.size(); ++t) {
        const std::string_view text = texts[t];
        const auto searched = text.substr(0, text.size() > 2 ? text.size() - 2 : 0);
        const long longest = std::min<long>(maxLength, static_cast<long>(searched.size()));
        for (long length = minLength; length <= longest; ++length) {
            for (long start = 0; start + length <= static_cast<long>(searched.size()); ++start) {
                auto& starts = all[std::string(searched.substr(start, length))];
                starts.resize(texts.size());
                starts[t].push_back(start);
            }
        }
    }
    std::map<std::string, StartsByText> shared;
    for (auto& [fragment, starts] : all) {
        if (holdsTwoTexts(starts)) {
            shared.emplace(fragment, std::move(starts));
        }
    }

    std::vector<LiteralSharedFragment> found;
    for (const auto& [fragment, starts] : shared) {
        LiteralSharedFragment listed{fragment, 0, 0, 0, {}};
        bool first = true;
        for (std::size_t t = 0; t < starts.size(); ++t) {
            for (const long start : starts[t]) {
                if (first && (allLengths ||
                              !covered(shared, t, start, static_cast<long>(fragment.size())))) {
                    listed.firstText = t;
                    listed.firstStart = start;
                    first = false;
                }
            }
            if (!starts[t].empty()) {
                listed.shares.push_back({t, static_cast<long>(starts[t].size()), starts[t][0]});
                listed.total += static_cast<long>(starts[t].size());
            }
        }
        if (!first) {
            found.push_back(std::move(listed));
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tuple(a.text.size(), a.firstText, a.firstStart) <
               std::tuple(b.text.size(), b.firstText, b.firstStart);
    });
    return found;
}

std::vector<LiteralSharedFragment> fastSharedFragments(const std::vector<std::string>& texts,
                                                       int minLength, int maxLength,
                                                       bool allLengths) {
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    UnwatchedJob job;
    const auto found =
        echoscan::findSharedFragments(views, minLength, maxLength, allLengths, job).value();
    std::vector<LiteralSharedFragment> fragments;
    for (const auto& fragment : found.fragments) {
        LiteralSharedFragment literal{std::string(found.textOf(fragment, views)),
                                      static_cast<long>(fragment.total),
                                      fragment.text,
                                      fragment.start,
                                      {}};
        for (const auto& share : found.sharesOf(fragment)) {
            literal.shares.push_back({share.text, share.count, share.firstStart});
        }
        fragments.push_back(std::move(literal));
    }
    return fragments;
}

}  // namespace undertext::testing
