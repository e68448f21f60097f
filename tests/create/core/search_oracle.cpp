#include "search_oracle.h"

#include "create_test_support.h"

namespace undertext::create::testing {

PhraseAnalysis literalSearch(const std::vector<std::string>& dic,
                             const std::vector<std::string>& words) {
    PhraseAnalysis result;
    result.words = words;
    result.dicWords = dictionary(dic);
    const auto n = static_cast<DicIndex>(dic.size());
    for (std::size_t w = 0; w < words.size(); ++w) {
        const std::string& s = words[w];
        const std::size_t length = s.size() == 1 ? 2 : s.size();
        WordAnalysis a;
        a.w1Range.resize(length);
        a.w2Range.resize(length);
        int pm = 0;
        int pn = 0;
        for (std::size_t t = 1; t < length; ++t) {
            const std::string left = s.size() == 1 ? s : s.substr(0, t);
            const std::string right = s.size() == 1 ? s : s.substr(t);
            for (DicIndex e = 0; e < n; ++e) {
                const std::string& d = dic[static_cast<std::size_t>(e)];
                const bool matchedLeft = d.ends_with(left);
                if (matchedLeft) {
                    a.w1List.push_back({e, static_cast<Transition>(t)});
                }
                if (d.starts_with(right)) {
                    a.w2List.push_back({e, static_cast<Transition>(t)});
                    if (matchedLeft) {
                        a.rList.push_back(e);
                    }
                }
            }
            const int m = static_cast<int>(a.w1List.size());
            const int k = static_cast<int>(a.w2List.size());
            if (m == pm || k == pn) {
                a.w1List.resize(static_cast<std::size_t>(pm));
                a.w2List.resize(static_cast<std::size_t>(pn));
                a.w1Range[t] = {pm, pm};
                a.w2Range[t] = {pn, pn};
            } else {
                a.keptTransitions.push_back(static_cast<Transition>(t));
                a.w1Range[t] = {pm, m};
                a.w2Range[t] = {pn, k};
                pm = m;
                pn = k;
            }
        }
        for (DicIndex e = 0; e < n; ++e) {
            const std::string& d = dic[static_cast<std::size_t>(e)];
            if (d.find(s) != std::string::npos && d.size() > length) {
                a.eList.push_back(e);
            }
        }
        if (w > 0) {
            const WordAnalysis& p = result.wordAnalyses[w - 1];
            for (const auto& x : a.w1List) {
                for (const auto& y : p.w2List) {
                    if (x.index == y.index) {
                        a.wp2W1List.push_back({x.index, y.transition, x.transition});
                    }
                }
            }
            for (const auto& x : a.w1List) {
                for (const auto y : p.rList) {
                    if (x.index == y) {
                        a.rpW1List.push_back(x);
                    }
                }
            }
            for (const auto& x : a.w1List) {
                for (const auto y : p.eList) {
                    if (x.index == y) {
                        a.epW1List.push_back(x);
                    }
                }
            }
            for (const auto x : a.rList) {
                for (const auto& y : p.w2List) {
                    if (x == y.index) {
                        a.wp2RList.push_back({x, y.transition});
                    }
                }
            }
            for (const auto x : a.eList) {
                for (const auto& y : p.w2List) {
                    if (x == y.index) {
                        a.wp2EList.push_back({x, y.transition});
                    }
                }
            }
        }
        std::vector<VariantMode> modes;
        if (!a.keptTransitions.empty())
            modes.push_back(VariantMode::Transition);
        if (!a.rList.empty())
            modes.push_back(VariantMode::Refrain);
        if (!a.eList.empty())
            modes.push_back(VariantMode::Embedded);
        a.singleModeCount = static_cast<int>(modes.size());
        if (!a.wp2W1List.empty())
            modes.push_back(VariantMode::Wp2W1);
        if (!a.rpW1List.empty())
            modes.push_back(VariantMode::RpW1);
        if (!a.epW1List.empty())
            modes.push_back(VariantMode::EpW1);
        if (!a.wp2RList.empty())
            modes.push_back(VariantMode::Wp2R);
        if (!a.wp2EList.empty())
            modes.push_back(VariantMode::Wp2E);
        a.modeCount = static_cast<int>(modes.size());
        for (std::size_t i = 0; i < modes.size(); ++i) {
            a.modeList[i] = modes[i];
        }
        result.wordAnalyses.push_back(std::move(a));
    }
    return result;
}

}  // namespace undertext::create::testing
