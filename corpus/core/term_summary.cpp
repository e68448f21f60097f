#include "corpus/core/term_summary.h"

#include "common/core/text/codepage.h"

namespace undertext::corpus {

void TermSummary::produceByText(const PieceSink& sink) {
    TableLines lines(sink);
    lines.row({"text", termHeading_, "count"});
    table_.forEachCountByText([&](const TermCounts::Count& count) {
        lines.row({table_.text(count.text).name, cp1251ToUtf8(table_.term(count.term)),
                   std::to_string(count.count)});
    });
}

Status TermSummary::write(const std::filesystem::path& summary) {
    return writeSummaryFiles(
        summary, [&](const PieceSink& sink) { produceSummary(sink); },
        [&](const PieceSink& sink) { produceByText(sink); });
}

}  // namespace undertext::corpus
