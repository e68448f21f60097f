#include "corpus/core/echoscan_summary.h"

#include <string>
#include <vector>

#include "common/core/text/codepage.h"

namespace undertext::corpus {

void EchoscanSummary::add(std::size_t index, const EchoscanTextRecord& record) {
    std::vector<TermCounts::TermCount> counts;
    counts.reserve(record.fragments.size());
    for (const auto& fragment : record.fragments) {
        counts.push_back({fragment.fragment, fragment.count});
    }
    addText(index, record.text, 0, counts);
}

void EchoscanSummary::produceSummary(const PieceSink& sink) {
    auto& whole = table();
    TableLines lines(sink);
    lines.row({"fragment", "total", "texts", "length"});
    whole.forEachTerm([&](std::uint32_t term, const TermCounts::TermTotals& totals) {
        const auto fragment = whole.term(term);
        lines.row({cp1251ToUtf8(fragment), std::to_string(totals.total),
                   std::to_string(totals.texts), std::to_string(fragment.size())});
    });
}

}  // namespace undertext::corpus
