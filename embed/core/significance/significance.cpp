#include "embed/core/significance/significance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"
#include "embed/core/significance/count_tails.h"
#include "embed/core/significance/false_discovery.h"
#include "embed/core/significance/module_family.h"

namespace undertext::embed {
namespace {

// The order of the rows: tested rows first, by q, then ratio descending, then
// word; then the others by ratio descending, then word.
struct ReportKey {
    bool tested;
    double q;
    double ratio;
    const std::string* word;

    bool operator<(const ReportKey& other) const {
        if (tested != other.tested) {
            return tested;
        }
        if (tested && q != other.q) {
            return q < other.q;
        }
        if (ratio != other.ratio) {
            return ratio > other.ratio;
        }
        return *word < *other.word;
    }
};

// The rows sorted by their keys, each row moved once.
std::vector<SignificanceRow> inReportOrder(std::vector<SignificanceRow>&& rows) {
    std::vector<std::pair<ReportKey, std::size_t>> order;
    order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        order.push_back({{rows[i].tested, rows[i].q, rows[i].ratio(), &rows[i].word}, i});
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SignificanceRow> sorted;
    sorted.reserve(order.size());
    for (const auto& [key, index] : order) {
        sorted.push_back(std::move(rows[index]));
    }
    return sorted;
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
    switch (refusal) {
        case SignificanceRefusal::ModelOrderOutOfRange:
            return UNDERTEXT_TRANSLATABLE(
                "CoreMessage",
                "Оценка случайности невозможна: порядок модели должен быть 0, 1 или 2.");
        case SignificanceRefusal::TextTooShort:
            return fillIn(
                UNDERTEXT_TRANSLATABLE("CoreMessage",
                                       "Оценка случайности невозможна: для модели порядка %1 в "
                                       "тексте нужно не меньше %2 букв."),
                {std::to_string(modelOrder), std::to_string(modelOrder + 2)});
        case SignificanceRefusal::NothingTestable:
            return fillIn(
                UNDERTEXT_TRANSLATABLE("CoreMessage",
                                       "Оценка случайности невозможна: в выбранных модулях нет "
                                       "слов, длина которых больше %1."),
                {std::to_string(modelOrder + 1)});
    }
    return UNDERTEXT_TRANSLATABLE("CoreMessage", "Оценка случайности невозможна: ");
}

SignificanceOutcome assessSignificance(const PreparedText& text, const DicWords& dicWords,
                                       const std::vector<EmbeddedWord>& found, Language language,
                                       int modelOrder, const DictionaryOrder* order) {
    return assessSignificance(TextModel::fit(text, modelOrder), modelOrder, dicWords, found,
                              language, order);
}

SignificanceOutcome assessSignificance(const std::optional<TextModel>& model, int modelOrder,
                                       const DicWords& dicWords,
                                       const std::vector<EmbeddedWord>& found, Language language,
                                       const DictionaryOrder* order) {
    if (modelOrder < 0 || modelOrder > kMaxModelOrder) {
        return {SignificanceRefusal::ModelOrderOutOfRange, {}};
    }
    if (!model) {
        return {SignificanceRefusal::TextTooShort, {}};
    }
    const ModuleFamily family = order ? ModuleFamily(dicWords, *order, found, language, modelOrder)
                                      : ModuleFamily(dicWords, found, language, modelOrder);
    if (family.testedWords() == 0) {
        return {SignificanceRefusal::NothingTestable, {}};
    }

    SignificanceTable table;
    table.modelOrder = modelOrder;
    table.familySize = family.testedWords();
    std::vector<double> pValues;
    for (const auto& word : found) {
        if (word.count <= 0) {
            continue;
        }
        SignificanceRow row;
        row.word = word.word;
        row.observed = word.count / family.entriesOf(word.word);
        row.expected = model->expectedCount(word.word);
        row.tested = family.isTested(word.word);
        if (row.tested) {
            row.p = geometricPoissonUpperTail(row.expected, model->clumpParameter(word.word),
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
    table.rows = inReportOrder(std::move(table.rows));
    return {std::nullopt, std::move(table)};
}

}  // namespace undertext::embed
