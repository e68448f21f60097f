#include "corpus/core/embed_summary.h"

#include <string>
#include <vector>

#include "common/core/text/codepage.h"
#include "embed/core/significance/significance_table.h"

namespace undertext::corpus {

EmbedSummary::EmbedSummary(std::optional<int> significanceOrder, unsigned workers)
    : TermSummary("word"), workers_(workers) {
    if (significanceOrder) {
        significance_.emplace(*significanceOrder);
    }
}

void EmbedSummary::add(std::size_t index, const EmbedTextRecord& record) {
    std::vector<TermCounts::TermCount> counts;
    counts.reserve(record.words.size());
    for (const auto& word : record.words) {
        if (word.count > 0) {
            counts.push_back({word.word, static_cast<std::uint64_t>(word.count)});
        }
    }
    addText(index, record.text, record.letterCount, counts);
    const std::lock_guard lock(addingModel_);
    columns_.reset();
    if (significance_) {
        significance_->addText(index, record.textModel, record.language, record.familySize);
    }
}

std::optional<std::string> EmbedSummary::withheldColumns() const {
    if (!significance_) {
        return std::nullopt;
    }
    const auto refusal = significance_->refusal();
    if (!refusal) {
        return std::nullopt;
    }
    return embed::refusalMessage(*refusal, significance_->modelOrder());
}

bool EmbedSummary::prepare(const std::function<bool()>& stopRequested) {
    if (!withSignificance() || columns_) {
        return true;
    }
    // q ranks every word at once: the words are taken first, in the rows' order.
    auto& whole = table();
    std::vector<std::pair<std::string_view, std::uint64_t>> words;
    whole.forEachTerm([&](std::uint32_t term, const TermCounts::TermTotals& totals) {
        words.emplace_back(whole.term(term), totals.total);
    });
    columns_ = significance_->columns(words, workers_, stopRequested);
    return columns_.has_value();
}

void EmbedSummary::produceSummary(const PieceSink& sink) {
    prepare({});
    const bool significance = withSignificance();
    TableLines lines(sink);
    if (significance) {
        lines.row({"word", "total", "texts", "per_million", "dp", "expected", "ratio", "q"});
    } else {
        lines.row({"word", "total", "texts", "per_million", "dp"});
    }
    auto& whole = table();
    const auto letters = whole.letters();
    std::size_t next = 0;
    whole.forEachTerm([&](std::uint32_t term, const TermCounts::TermTotals& totals) {
        const double perMillion =
            static_cast<double>(totals.total) * 1e6 / static_cast<double>(letters);
        const auto word = cp1251ToUtf8(whole.term(term));
        const auto totalText = std::to_string(totals.total);
        const auto texts = std::to_string(totals.texts);
        const auto perMillionText = fixedDecimal(perMillion, 2);
        const auto dp = fixedDecimal(totals.deviation, 3);
        if (!significance) {
            lines.row({word, totalText, texts, perMillionText, dp});
            return;
        }
        const auto& column = (*columns_)[next++];
        lines.row({word, totalText, texts, perMillionText, dp, embed::fourDigits(column.expected),
                   embed::fourDigits(column.ratio),
                   column.q ? embed::threeDigitsScientific(*column.q) : "-"});
    });
}

}  // namespace undertext::corpus
