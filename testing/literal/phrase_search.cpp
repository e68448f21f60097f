#include "testing/literal/phrase_search.h"

#include <algorithm>
#include <iterator>

namespace undertext::create::testing {
namespace {

DicIndex indexOf(DicIndex index) {
    return index;
}
DicIndex indexOf(const TransitionEntry& entry) {
    return entry.index;
}

// Every pair of an outer and an inner entry with the same dictionary index, as
// two nested loops.
template <typename Outer, typename Inner, typename Emit>
void nestedLoops(const std::vector<Outer>& outer, const std::vector<Inner>& inner, Emit emit) {
    for (const auto& x : outer) {
        for (const auto& y : inner) {
            if (indexOf(x) == indexOf(y)) {
                emit(x, y);
            }
        }
    }
}

}  // namespace

std::vector<WordAnalysis> literalPhraseSearch(const std::vector<std::string>& dic,
                                              const std::vector<std::string>& words) {
    std::vector<WordAnalysis> result;
    const auto matching = [&](auto test) {
        std::vector<DicIndex> found;
        for (DicIndex e = 0; e < static_cast<DicIndex>(dic.size()); ++e) {
            if (test(dic[e])) {
                found.push_back(e);
            }
        }
        return found;
    };
    for (const std::string& s : words) {
        const std::size_t length = std::max<std::size_t>(s.size(), 2);
        WordAnalysis a;
        a.w1Range.resize(length);
        a.w2Range.resize(length);
        for (std::size_t t = 1; t < length; ++t) {
            const std::string left = s.size() == 1 ? s : s.substr(0, t);
            const std::string right = s.size() == 1 ? s : s.substr(t);
            const auto lefts = matching([&](const std::string& d) { return d.ends_with(left); });
            const auto rights =
                matching([&](const std::string& d) { return d.starts_with(right); });
            const int m = static_cast<int>(a.w1List.size());
            const int n = static_cast<int>(a.w2List.size());
            if (!lefts.empty() && !rights.empty()) {
                a.keptTransitions.push_back(static_cast<Transition>(t));
                for (const auto e : lefts) {
                    a.w1List.push_back({e, a.keptTransitions.back()});
                }
                for (const auto e : rights) {
                    a.w2List.push_back({e, a.keptTransitions.back()});
                }
                std::ranges::copy(matching([&](const std::string& d) {
                                      return d.ends_with(left) && d.starts_with(right);
                                  }),
                                  std::back_inserter(a.rList));
            }
            a.w1Range[t] = {m, static_cast<int>(a.w1List.size())};
            a.w2Range[t] = {n, static_cast<int>(a.w2List.size())};
        }
        a.eList = matching([&](const std::string& d) {
            return d.find(s) != std::string::npos && d.size() > length;
        });
        if (!result.empty()) {
            const WordAnalysis& p = result.back();
            nestedLoops(a.w1List, p.w2List, [&](auto x, auto y) {
                a.wp2W1List.push_back({x.index, y.transition, x.transition});
            });
            nestedLoops(a.w1List, p.rList, [&](auto x, auto) { a.rpW1List.push_back(x); });
            nestedLoops(a.w1List, p.eList, [&](auto x, auto) { a.epW1List.push_back(x); });
            nestedLoops(a.rList, p.w2List, [&](auto x, auto y) {
                a.wp2RList.push_back({x, y.transition});
            });
            nestedLoops(a.eList, p.w2List, [&](auto x, auto y) {
                a.wp2EList.push_back({x, y.transition});
            });
        }
        const bool available[] = {!a.keptTransitions.empty(), !a.rList.empty(),
                                  !a.eList.empty(),           !a.wp2W1List.empty(),
                                  !a.rpW1List.empty(),        !a.epW1List.empty(),
                                  !a.wp2RList.empty(),        !a.wp2EList.empty()};
        for (int code = 0; code < kModePositions; ++code) {
            if (code == 3) {
                a.singleModeCount = a.modeCount;
            }
            if (available[code]) {
                a.modeList[a.modeCount++] = static_cast<VariantMode>(code);
            }
        }
        result.push_back(std::move(a));
    }
    return result;
}

}  // namespace undertext::create::testing
