#include "corpus/core/across_summary.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "common/core/text/codepage.h"

namespace undertext::corpus {

void AcrossSummary::produceSummary(const PieceSink& sink) const {
    const auto& fragments = found.fragments;
    std::vector<std::uint32_t> order(fragments.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const auto& x = fragments[a];
        const auto& y = fragments[b];
        return x.total != y.total ? x.total > y.total
                                  : found.textOf(x, fragmentTexts) < found.textOf(y, fragmentTexts);
    });
    TableLines lines(sink);
    lines.row({"fragment", "total", "texts", "length"});
    for (const auto f : order) {
        const auto& fragment = fragments[f];
        lines.row({cp1251ToUtf8(found.textOf(fragment, fragmentTexts)),
                   std::to_string(fragment.total), std::to_string(fragment.textCount),
                   std::to_string(fragment.length)});
    }
}

void AcrossSummary::produceByText(const PieceSink& sink) const {
    // (share, fragment) of every row.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> rows;
    for (std::uint32_t f = 0; f < found.fragments.size(); ++f) {
        const auto& fragment = found.fragments[f];
        for (std::uint32_t s = 0; s < fragment.textCount; ++s) {
            rows.emplace_back(fragment.firstShare + s, f);
        }
    }
    const auto& shares = found.shares;
    std::sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
        const auto& x = shares[a.first];
        const auto& y = shares[b.first];
        if (x.text != y.text || x.count != y.count) {
            return std::tuple(x.text, y.count) < std::tuple(y.text, x.count);
        }
        return found.textOf(found.fragments[a.second], fragmentTexts) <
               found.textOf(found.fragments[b.second], fragmentTexts);
    });
    TableLines lines(sink);
    lines.row({"text", "fragment", "count", "first_position"});
    for (const auto& [share, f] : rows) {
        lines.row({textNames[shares[share].text],
                   cp1251ToUtf8(found.textOf(found.fragments[f], fragmentTexts)),
                   std::to_string(shares[share].count), std::to_string(firstPositions[share])});
    }
}

Status AcrossSummary::write(const std::filesystem::path& summary) const {
    return writeSummaryFiles(
        summary, [&](const PieceSink& sink) { produceSummary(sink); },
        [&](const PieceSink& sink) { produceByText(sink); });
}

}  // namespace undertext::corpus
