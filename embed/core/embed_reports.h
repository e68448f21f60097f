#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/files/report_set_writer.h"
#include "common/core/result.h"
#include "common/core/text/text_encoding.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"

namespace undertext::embed {

// The four reports of a run, named from the source: name + suffix, beside it.
inline constexpr const char* kTextOrderSuffix = "_Emb.txt";
inline constexpr const char* kByFrequencySuffix = "_EmbSortByFriq.txt";
inline constexpr const char* kByLengthSuffix = "_EmbSortByLen.txt";
inline constexpr const char* kAlphabeticalSuffix = "_EmbSortByAlf.txt";

std::filesystem::path reportPath(const std::filesystem::path& sourceFolder,
                                 const std::string& sourceName, const char* suffix);

// The text-order report: one line per slot, the slot's word padded to the next
// 14-column zone, then every word counted at each of its positions followed by a
// comma. It can be far larger than the text, so it is produced in pieces of whole
// pieces of about pieceBytes, each handed to sink; production ends early when
// sink returns false.
void produceTextOrderReport(const PreparedText& text, const EmbeddedSearch& search,
                            const std::function<bool(std::string_view)>& sink,
                            std::size_t pieceBytes = std::size_t{1} << 20);

// The size in bytes of the text-order report's file in the encoder's encoding
// (Windows-1251 by default), its byte-order mark included, known before it is
// produced.
std::uint64_t textOrderReportSize(const PreparedText& text, const EmbeddedSearch& search,
                                  const TextEncoder& encoder = TextEncoder());

// Adds the text-order report to set, in the encoder's encoding. A report larger
// than the free space of the target's file system is refused before anything is
// written, with a message naming its exact size.
Status writeTextOrderReport(ReportSetWriter& set, const std::filesystem::path& path,
                            const PreparedText& text, const EmbeddedSearch& search,
                            const TextEncoder& encoder);

enum class SortedReport { ByFrequency, ByLength, Alphabetical };

// Reorders the table as the report's selection sort does, ties included.
void sortForReport(SortedReport report, std::vector<EmbeddedWord>& words);

// The totals that close every sorted report.
struct EmbedTotals {
    std::uint32_t wordCount = 0;  // WordCount, empty slots included
    float coefficient = 0;        // DistinctCount / WordCount
    int column = 6;               // ReportColumn of the run
};

EmbedTotals embedTotals(const std::vector<EmbeddedWord>& words, std::uint32_t wordCount);

// The first line of a sorted report (Windows-1251, without its line end), the
// same in every report of its kind.
std::string sortedReportHeading(SortedReport report);

// The bytes (Windows-1251) of a sorted report for a table already in its order.
std::string sortedReportText(SortedReport report, const std::vector<EmbeddedWord>& words,
                             const EmbedTotals& totals);

}  // namespace undertext::embed
