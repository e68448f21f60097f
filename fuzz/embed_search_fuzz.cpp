#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "testing/literal/embed_search.h"

// Runs the fast preparation, search, counting, text-order report and report sorts
// of Embed and the literal procedures on the same small text and dictionary; any
// difference ends the run. The report is cut into pieces of a drawn size and may be stopped
// after a drawn number of pieces: what came until then must begin the full report.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace undertext;
    using undertext::fuzz::check;
    fuzz::FuzzInput input(data, size);
    const auto language = input.language();
    const auto pieceBytes = input.number<std::size_t>(1, 64);
    const auto stopAfter = input.number<int>(0, 8);  // pieces; 0 never stops
    const auto text = input.text(400, language);
    const auto dictionary = input.words(64, 12, language);

    const auto literal = embed::testing::literalRun(text, language, dictionary);
    const auto prepared = embed::prepareLetters(text, language);
    check(prepared.letters == literal.letters, "the letters of the text");
    check(prepared.wordEnd == literal.wordEnd, "the slots of the text");

    const auto dicWords = embed::testing::dicWordsOf(dictionary);
    const embed::EmbeddedSearch search(prepared, dicWords);
    check(search.occurrenceCount() == literal.occurrences.size(), "the number of occurrences");
    auto counted = search.embeddedWords();
    check(counted == literal.embedded, "the counted embedded words");
    auto expected = literal.embedded;
    for (const auto kind : {embed::SortedReport::ByFrequency, embed::SortedReport::ByLength,
                            embed::SortedReport::Alphabetical}) {
        embed::sortForReport(kind, counted);
        embed::testing::literalReportSort(kind, expected);
        check(counted == expected, "the order of a sorted report");
    }

    std::string report;
    int pieces = 0;
    embed::produceTextOrderReport(
        prepared, search,
        [&](std::string_view piece) {
            report += piece;
            return ++pieces != stopAfter;
        },
        pieceBytes);
    check(stopAfter > 0 && pieces == stopAfter ? literal.report.starts_with(report)
                                               : report == literal.report,
          "the text-order report");
    return 0;
}
