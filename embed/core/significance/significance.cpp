#include "embed/core/significance/significance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string_view>

#include "embed/core/significance/count_tails.h"
#include "embed/core/significance/expected_count.h"
#include "embed/core/significance/false_discovery.h"
#include "embed/core/significance/letter_model.h"
#include "embed/core/significance/self_overlap.h"

namespace undertext::embed {
namespace {

bool isTestable(std::string_view word, Language language, int order) {
    return word.size() > static_cast<std::size_t>(order) + 1 &&
           std::all_of(word.begin(), word.end(), [&](char c) {
               const auto b = static_cast<unsigned char>(c);
               return isLetter(b, language) && lowerLetter(b, language) == b;
           });
}

// The dictionary's indices in byte order of their words (stable; no work when the
// modules are sorted already).
std::vector<std::uint32_t> byteOrder(const DicWords& dicWords) {
    std::vector<std::uint32_t> order(dicWords.size());
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    const auto byWord = [&](std::uint32_t a, std::uint32_t b) { return dicWords[a] < dicWords[b]; };
    if (!std::is_sorted(order.begin(), order.end(), byWord)) {
        std::stable_sort(order.begin(), order.end(), byWord);
    }
    return order;
}

struct Family {
    std::size_t size = 0;                    // distinct testable words
    std::vector<std::int64_t> multiplicity;  // per found word (sorted by word): its entries
};

// One walk over the distinct dictionary words, merged with the found words sorted
// by word.
Family walkFamily(const DicWords& dicWords, const std::vector<EmbeddedWord>& foundByWord,
                  Language language, int order) {
    Family family;
    family.multiplicity.assign(foundByWord.size(), 1);
    const auto sorted = byteOrder(dicWords);
    std::size_t next = 0;  // the first found word not passed yet
    for (std::size_t i = 0; i < sorted.size();) {
        const auto word = dicWords[sorted[i]];
        auto end = i + 1;
        while (end < sorted.size() && dicWords[sorted[end]] == word) {
            ++end;
        }
        if (isTestable(word, language, order)) {
            ++family.size;
        }
        while (next < foundByWord.size() && foundByWord[next].word < word) {
            ++next;
        }
        if (next < foundByWord.size() && foundByWord[next].word == word) {
            family.multiplicity[next] = static_cast<std::int64_t>(end - i);
        }
        i = end;
    }
    return family;
}

// Tested rows first, by q, then ratio descending, then word; then the others by
// ratio descending, then word.
bool reportsBefore(const SignificanceRow& a, const SignificanceRow& b) {
    if (a.tested != b.tested) {
        return a.tested;
    }
    if (a.tested && a.q != b.q) {
        return a.q < b.q;
    }
    if (a.ratio() != b.ratio()) {
        return a.ratio() > b.ratio();
    }
    return a.word < b.word;
}

}  // namespace

double SignificanceRow::ratio() const {
    return expected > 0 ? static_cast<double>(observed) / expected
                        : std::numeric_limits<double>::infinity();
}

double SignificanceRow::z() const {
    return expected > 0 ? (static_cast<double>(observed) - expected) / std::sqrt(expected)
                        : std::numeric_limits<double>::infinity();
}

std::string refusalMessage(SignificanceRefusal refusal, int modelOrder) {
    const std::string lead = "Оценка случайности невозможна: ";
    switch (refusal) {
        case SignificanceRefusal::ModelOrderOutOfRange:
            return lead + "порядок модели должен быть 0, 1 или 2.";
        case SignificanceRefusal::TextTooShort:
            return lead + "для модели порядка " + std::to_string(modelOrder) +
                   " в тексте нужно не меньше " + std::to_string(modelOrder + 2) + " букв.";
        case SignificanceRefusal::NothingTestable:
            return lead + "в выбранных модулях нет слов, длина которых больше " +
                   std::to_string(modelOrder + 1) + ".";
    }
    return lead;
}

SignificanceOutcome assessSignificance(const PreparedText& text, const DicWords& dicWords,
                                       const std::vector<EmbeddedWord>& found, Language language,
                                       int modelOrder) {
    if (modelOrder < 0 || modelOrder > kMaxModelOrder) {
        return {SignificanceRefusal::ModelOrderOutOfRange, {}};
    }
    if (text.letterCount() < static_cast<std::uint32_t>(modelOrder) + 2) {
        return {SignificanceRefusal::TextTooShort, {}};
    }
    auto foundByWord = found;
    std::sort(foundByWord.begin(), foundByWord.end(),
              [](const EmbeddedWord& a, const EmbeddedWord& b) { return a.word < b.word; });
    const auto family = walkFamily(dicWords, foundByWord, language, modelOrder);
    if (family.size == 0) {
        return {SignificanceRefusal::NothingTestable, {}};
    }

    const LetterModel model(text.letters, modelOrder);
    const CountablePositions positions(text);
    SignificanceTable table;
    table.modelOrder = modelOrder;
    table.familySize = family.size;
    std::vector<double> pValues;
    for (std::size_t i = 0; i < foundByWord.size(); ++i) {
        const auto& word = foundByWord[i];
        if (word.count <= 0) {
            continue;
        }
        SignificanceRow row;
        row.word = word.word;
        row.observed = word.count / family.multiplicity[i];
        row.expected = expectedCount(model, positions, word.word);
        row.tested = isTestable(word.word, language, modelOrder);
        if (row.tested) {
            row.p = geometricPoissonUpperTail(row.expected, clumpParameter(model, word.word),
                                              row.observed);
            pValues.push_back(row.p);
        }
        table.rows.push_back(std::move(row));
    }
    // Never fewer tests than p-values, even for found words the modules lack.
    table.familySize = std::max(table.familySize, pValues.size());
    const auto qValues = benjaminiHochberg(pValues, table.familySize);
    std::size_t next = 0;
    for (auto& row : table.rows) {
        if (row.tested) {
            row.q = qValues[next++];
        }
    }
    std::sort(table.rows.begin(), table.rows.end(), reportsBefore);
    return {std::nullopt, std::move(table)};
}

}  // namespace undertext::embed
