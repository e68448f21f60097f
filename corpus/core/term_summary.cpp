#include "corpus/core/term_summary.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"

namespace undertext::corpus {

void TermSummary::addText(std::size_t index, std::string name, std::uint64_t letters,
                          const std::function<void(TermCounts&, std::uint32_t)>& fill) {
    std::unique_lock<std::mutex> filling;
    Part* part = nullptr;
    {
        const std::lock_guard choosing(choosingPart_);
        for (const auto& free : parts_) {
            filling = std::unique_lock(free->filling, std::try_to_lock);
            if (filling.owns_lock()) {
                part = free.get();
                break;
            }
        }
        if (part == nullptr) {
            part = parts_.emplace_back(std::make_unique<Part>()).get();
            filling = std::unique_lock(part->filling);
        }
    }
    fill(part->table, part->table.addText(index, std::move(name), letters));
}

TermCounts& TermSummary::table() {
    // Only read once merged, so that both tables may be made at once.
    if (!parts_.empty()) {
        // The largest part becomes the table as it is; the others are merged in.
        const auto largest =
            std::max_element(parts_.begin(), parts_.end(), [](const auto& a, const auto& b) {
                return a->table.countCount() < b->table.countCount();
            });
        if (table_.textCount() == 0) {
            std::swap(table_, (*largest)->table);
        }
        for (const auto& part : parts_) {
            table_.merge(std::move(part->table));
        }
        parts_.clear();
    }
    return table_;
}

void TermSummary::produceByText(const PieceSink& sink) {
    auto& whole = table();
    TableLines lines(sink);
    lines.row({"text", termHeading_, "count"});
    // Each term and each text's name is made a field once, however often it stands.
    // The terms' fields lie side by side in byte order, the order in which a
    // text's rows of one count name them.
    const auto termCount = static_cast<std::uint32_t>(whole.termCount());
    std::vector<std::uint32_t> byRank(termCount);
    for (std::uint32_t term = 0; term < termCount; ++term) {
        byRank[whole.termRank(term)] = term;
    }
    std::string fields;
    std::vector<std::size_t> fieldStart;  // by rank, one more than the terms
    fieldStart.reserve(termCount + 1);
    for (const auto term : byRank) {
        fieldStart.push_back(fields.size());
        fields += tableField(cp1251ToUtf8(whole.term(term)));
    }
    fieldStart.push_back(fields.size());
    char digits[24];
    whole.forEachTextsCounts([&](std::span<const TermCounts::Count> counts) {
        if (counts.empty()) {
            return;
        }
        const auto name = tableField(whole.text(counts.front().text).name);
        for (const auto& count : counts) {
            const auto rank = whole.termRank(count.term);
            const auto field = std::string_view(fields).substr(
                fieldStart[rank], fieldStart[rank + 1] - fieldStart[rank]);
            const auto end = std::to_chars(digits, digits + sizeof digits, count.count).ptr;
            lines.rowOfSafeFields({name, field, std::string_view(digits, end)});
        }
    });
}

Status TermSummary::write(const std::filesystem::path& summary) {
    // Both tables are then only read, and are produced at once.
    table().rankTerms();
    return writeSummaryFiles(
        summary, [&](const PieceSink& sink) { produceSummary(sink); },
        [&](const PieceSink& sink) { produceByText(sink); });
}

}  // namespace undertext::corpus
