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
    std::uint32_t text = 0;
    std::string name = table_.textCount() > 0 ? tableField(table_.text(0).name) : std::string();
    char digits[24];
    table_.forEachCountByText([&](const TermCounts::Count& count) {
        auto& term = terms[count.term];
        if (term.empty()) {
            term = tableField(cp1251ToUtf8(table_.term(count.term)));
        }
        if (count.text != text) {
            text = count.text;
            name = tableField(table_.text(text).name);
        }
        const auto end = std::to_chars(digits, digits + sizeof digits, count.count).ptr;
        lines.rowOfSafeFields({name, term, std::string_view(digits, end)});
    });
}

Status TermSummary::write(const std::filesystem::path& summary) {
    return writeSummaryFiles(
        summary, [&](const PieceSink& sink) { produceSummary(sink); },
        [&](const PieceSink& sink) { produceByText(sink); });
}

}  // namespace undertext::corpus
