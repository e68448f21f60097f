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
// comma. It can be far larger than the text, so it is produced in pieces of about
// pieceBytes (small enough to stay in the processor's cache until written), each
// handed to sink; production ends early when sink returns false.
void produceTextOrderReport(const PreparedText& text, const EmbeddedSearch& search,
                            const std::function<bool(std::string_view)>& sink,
                            std::size_t pieceBytes = std::size_t{64} << 10);

// The size in bytes of the text-order report's file in the encoder's encoding
// (Windows-1251 by default), its byte-order mark included, known before it is
// produced.
std::uint64_t textOrderReportSize(const PreparedText& text, const EmbeddedSearch& search,
                                  const TextEncoder& encoder = TextEncoder());

// Adds the text-order report to set, in the encoder's encoding; size is its
// textOrderReportSize. A report larger than the free space of the target's file
// system is refused before anything is written, with a message naming its exact size.
Status writeTextOrderReport(ReportSetWriter& set, const std::filesystem::path& path,
                            const PreparedText& text, const EmbeddedSearch& search,
                            const TextEncoder& encoder, std::uint64_t size);

enum class SortedReport { ByFrequency, ByLength, Alphabetical };

// Reorders the table as the report's selection sort does, ties included.
void sortForReport(SortedReport report, std::vector<EmbeddedWord>& words);
// The same for a table left in place and listed by order (indices into words):
// order is reordered as the table would be.
void sortForReport(SortedReport report, const std::vector<EmbeddedWord>& words,
                   std::vector<std::uint32_t>& order);

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

// The rows of the sorted reports' table (Windows-1251), each word's made once:
// every sorted report lists the same rows, in an order of its own.
class SortedReportRows {
  public:
    SortedReportRows(const std::vector<EmbeddedWord>& words, const EmbedTotals& totals);

    // The bytes of the report with the rows of the words in order (indices into
    // the words the rows were made of).
    std::string reportText(SortedReport report, const std::vector<std::uint32_t>& order) const;

  private:
    std::string rows_;                 // one after the other, each with its line end
    std::vector<std::uint32_t> ends_;  // where each word's row ends in rows_
    EmbedTotals totals_;
};

// The bytes (Windows-1251) of a sorted report for a table already in its order.
std::string sortedReportText(SortedReport report, const std::vector<EmbeddedWord>& words,
                             const EmbedTotals& totals);

}  // namespace undertext::embed
