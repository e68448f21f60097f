#include "corpus/core/term_summary.h"

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "common/core/text/codepage.h"

namespace undertext::corpus {

void TermSummary::produceByText(const PieceSink& sink) {
    TableLines lines(sink);
    lines.row({"text", termHeading_, "count"});
    // Each term and each text's name is made a field once, however often it stands.
    std::vector<std::string> terms(table_.termCount());
    char digits[24];
    table_.forEachTextsCounts([&](std::span<const TermCounts::Count> counts) {
        if (counts.empty()) {
            return;
        }
        const auto name = tableField(table_.text(counts.front().text).name);
        for (const auto& count : counts) {
            auto& term = terms[count.term];
            if (term.empty()) {
                term = tableField(cp1251ToUtf8(table_.term(count.term)));
            }
            const auto end = std::to_chars(digits, digits + sizeof digits, count.count).ptr;
            lines.rowOfSafeFields({name, term, std::string_view(digits, end)});
        }
    });
}

Status TermSummary::write(const std::filesystem::path& summary) {
    // Both tables are then only read, and are produced at once.
    table_.rankTerms();
    return writeSummaryFiles(
        summary, [&](const PieceSink& sink) { produceSummary(sink); },
        [&](const PieceSink& sink) { produceByText(sink); });
}

}  // namespace undertext::corpus
