#include "testing/literal/significance.h"

#include <map>
#include <string>

namespace undertext::embed::testing {
namespace {

// How often each string of the given length starts at a place below `limit`.
std::map<std::string, double> countStrings(const std::string& letters, std::size_t length,
                                           std::size_t limit) {
    std::map<std::string, double> counts;
    for (std::size_t place = 0; place + length <= letters.size() && place < limit; ++place) {
        ++counts[letters.substr(place, length)];
    }
    return counts;
}

double countOf(const std::map<std::string, double>& counts, const std::string& key) {
    const auto found = counts.find(key);
    return found == counts.end() ? 0.0 : found->second;
}

struct Model {
    std::size_t k = 0;
    std::map<std::string, double> starts, followed, pairs;
    double kPlaces = 0;

    Model(const std::string& letters, std::size_t order)
        : k(order),
          starts(countStrings(letters, order, letters.size() + 1)),
          followed(countStrings(letters, order, letters.size() - order)),
          pairs(countStrings(letters, order + 1, letters.size())),
          kPlaces(static_cast<double>(letters.size() - order + 1)) {}

    double probability(const std::string& string) const {
        if (string.size() < k) {
            double share = 0;
            for (const auto& [start, count] : starts) {
                if (start.compare(0, string.size(), string) == 0) {
                    share += count / kPlaces;
                }
            }
            return share;
        }
        double product = countOf(starts, string.substr(0, k)) / kPlaces;
        for (std::size_t i = k; i < string.size(); ++i) {
            const auto context = string.substr(i - k, k);
            const double contextCount = countOf(followed, context);
            product *= contextCount == 0 ? 0.0 : countOf(pairs, context + string[i]) / contextCount;
        }
        return product;
    }
};

}  // namespace

double literalExpectedCount(const PreparedText& text, std::string_view wordView, int order) {
    const std::string word(wordView);
    const Model model(text.letters, static_cast<std::size_t>(order));
    double expected = 0;
    for (std::size_t place = 0; place + word.size() <= text.letters.size(); ++place) {
        std::size_t slot = 1;
        while (text.wordEnd[slot] <= place) {
            ++slot;
        }
        const std::size_t slotStart = text.wordEnd[slot - 1];
        if (text.wordEnd[slot] - slotStart != word.size()) {
            expected += model.probability(word);
            continue;
        }
        const auto into = place - slotStart;
        if (into == 0) {
            continue;
        }
        // The word at the slot's start, then its copy `into` letters on.
        const auto both = word.substr(0, into) + word;
        const bool agree = both.compare(0, word.size(), word) == 0;
        expected += model.probability(word) - (agree ? model.probability(both) : 0.0);
    }
    return expected;
}

}  // namespace undertext::embed::testing
