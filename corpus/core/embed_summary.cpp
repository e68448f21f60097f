#include "corpus/core/embed_summary.h"

#include <cmath>
#include <string>

#include "common/core/text/codepage.h"

namespace undertext::corpus {

double deviationOfProportions(const TermCounts& table, std::span<const TermCounts::Count> counts,
                              std::uint64_t total, std::uint64_t corpusLetters) {
    const auto corpus = static_cast<double>(corpusLetters);
    double deviation = 0;
    std::uint64_t lettersWithTerm = 0;
    for (const auto& count : counts) {
        const auto letters = table.text(count.text).letters;
        lettersWithTerm += letters;
        deviation += std::abs(static_cast<double>(count.count) / static_cast<double>(total) -
                              static_cast<double>(letters) / corpus);
    }
    // Each text without the term adds its share of the letters.
    deviation += static_cast<double>(corpusLetters - lettersWithTerm) / corpus;
    return deviation / 2;
}

void EmbedSummary::add(std::size_t index, const EmbedTextRecord& record) {
    const auto text = table_.addText(index, record.text, record.letterCount);
    for (const auto& word : record.words) {
        if (word.count > 0) {
            table_.add(text, word.word, static_cast<std::uint64_t>(word.count));
        }
    }
}

void EmbedSummary::produceSummary(const PieceSink& sink) {
    TableLines lines(sink);
    lines.row({"word", "total", "texts", "per_million", "dp"});
    const auto letters = table_.letters();
    table_.forEachTerm([&](std::uint32_t term, std::uint64_t total,
                           std::span<const TermCounts::Count> counts) {
        const double perMillion = static_cast<double>(total) * 1e6 / static_cast<double>(letters);
        lines.row({cp1251ToUtf8(table_.term(term)), std::to_string(total),
                   std::to_string(counts.size()), fixedDecimal(perMillion, 2),
                   fixedDecimal(deviationOfProportions(table_, counts, total, letters), 3)});
    });
}

}  // namespace undertext::corpus
