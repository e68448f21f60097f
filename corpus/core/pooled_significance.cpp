#include "corpus/core/pooled_significance.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <thread>

#include "embed/core/significance/count_tails.h"
#include "embed/core/significance/false_discovery.h"
#include "embed/core/significance/self_overlap.h"

namespace undertext::corpus {

PooledExpectation pooledExpectation(std::span<const embed::TextModel* const> texts,
                                    std::string_view word) {
    double expected = 0;
    double clumpRate = 0;
    for (const auto* text : texts) {
        const double mean = text->expectedCount(word);
        expected += mean;
        clumpRate += mean * (1 - text->clumpParameter(word));
    }
    if (expected <= 0) {
        return {};
    }
    // Each text's parameter is at most the largest, and so is their weighted mean
    // but for rounding.
    return {expected, std::clamp(1 - clumpRate / expected, 0.0, embed::kMaxClumpParameter)};
}

void PooledSignificance::addText(std::size_t index, const std::optional<embed::TextModel>& model,
                                 Language language, std::size_t familySize) {
    anyText_ = true;
    if (model) {
        models_.emplace_back(index, *model);
    }
    familyOfLanguage_[language] = familySize;
}

std::optional<embed::SignificanceRefusal> PooledSignificance::refusal() const {
    if (!anyText_) {
        return std::nullopt;
    }
    if (models_.empty()) {
        return embed::SignificanceRefusal::TextTooShort;
    }
    for (const auto& [language, size] : familyOfLanguage_) {
        if (size > 0) {
            return std::nullopt;
        }
    }
    return embed::SignificanceRefusal::NothingTestable;
}

std::vector<const embed::TextModel*> PooledSignificance::textsInOrder() const {
    std::vector<const std::pair<std::size_t, embed::TextModel>*> byIndex;
    for (const auto& entry : models_) {
        byIndex.push_back(&entry);
    }
    std::sort(byIndex.begin(), byIndex.end(),
              [](const auto* a, const auto* b) { return a->first < b->first; });
    std::vector<const embed::TextModel*> texts;
    for (const auto* entry : byIndex) {
        texts.push_back(&entry->second);
    }
    return texts;
}

std::size_t PooledSignificance::familySize() const {
    std::size_t size = 0;
    for (const auto& [language, words] : familyOfLanguage_) {
        size += words;
    }
    return size;
}

std::optional<std::vector<PooledColumns>> PooledSignificance::columns(
    const std::vector<std::pair<std::string_view, std::uint64_t>>& words, unsigned workers,
    const std::function<bool()>& stopRequested) const {
    const auto texts = textsInOrder();
    const auto untestedLength = static_cast<std::size_t>(modelOrder_) + 1;
    const auto tested = [&](std::size_t i) { return words[i].first.size() > untestedLength; };
    std::vector<PooledColumns> columns(words.size());
    std::vector<double> pValues(words.size(), 1.0);
    std::atomic<bool> stopped = false;
    const auto assess = [&](std::size_t first, std::size_t step) {
        for (auto i = first; i < words.size(); i += step) {
            if ((i / step) % kWordsBetweenStopChecks == 0 && stopRequested && stopRequested()) {
                stopped = true;
            }
            if (stopped) {
                return;
            }
            const auto& [word, total] = words[i];
            const auto pooled = pooledExpectation(texts, word);
            auto& column = columns[i];
            column.expected = pooled.expected;
            column.ratio = pooled.expected > 0 ? static_cast<double>(total) / pooled.expected
                                               : std::numeric_limits<double>::infinity();
            if (tested(i)) {
                pValues[i] = embed::geometricPoissonUpperTail(pooled.expected, pooled.clump,
                                                              static_cast<std::int64_t>(total));
            }
        }
    };
    const auto threads =
        std::clamp<std::size_t>(workers, 1, std::max<std::size_t>(words.size(), 1));
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < threads; ++t) {
            helpers.emplace_back(assess, t, threads);
        }
        assess(0, threads);
    }
    if (stopped) {
        return std::nullopt;
    }

    std::vector<double> testedP;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (tested(i)) {
            testedP.push_back(pValues[i]);
        }
    }
    // Never fewer tests than p-values, even for found words the modules lack.
    const auto qValues = embed::benjaminiHochberg(testedP, std::max(familySize(), testedP.size()));
    std::size_t next = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (tested(i)) {
            columns[i].q = qValues[next++];
        }
    }
    return columns;
}

}  // namespace undertext::corpus
