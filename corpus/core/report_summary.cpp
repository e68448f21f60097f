#include "corpus/core/report_summary.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/files/file_io.h"
#include "common/core/report/number_text.h"
#include "corpus/core/sorted_report_rows.h"
#include "echoscan/core/fragment_reports.h"
#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"

namespace undertext::corpus {
namespace {

std::filesystem::path besideText(const std::filesystem::path& text, const char* suffix) {
    return text.parent_path() / (text.filename().string() + suffix);
}

Result<DecodedText> readText(const std::filesystem::path& text,
                             std::optional<TextEncoding> forced) {
    auto bytes = readWholeFile(text, embed::kMaxSourceBytes);
    if (!bytes) {
        return Result<DecodedText>::failure(bytes.error());
    }
    return Result<DecodedText>::success(decodeText(std::move(bytes).value(), forced));
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string missingReport(const std::filesystem::path& report, const char* command) {
    return "no report " + displayPath(report) + " beside the text (run undertext " + command +
           " on it first)";
}

std::string notAReport(const std::filesystem::path& report) {
    return displayPath(report) + " is not a frequency report of this program";
}

std::string notThisText(const std::filesystem::path& report) {
    return displayPath(report) +
           " does not match the text as this version reports it (made from another text or by "
           "another version, or changed)";
}

// The report's rows, read in the text's encoding.
Result<std::vector<SortedReportRow>> reportRows(const std::filesystem::path& report,
                                                const std::string& bytes, SourceEncoding encoding) {
    auto rows = readSortedReportRows(decodeText(bytes, encoding.encoding).cp1251);
    if (!rows) {
        return Result<std::vector<SortedReportRow>>::failure(notAReport(report));
    }
    return Result<std::vector<SortedReportRow>>::success(std::move(*rows));
}

// The record of a run that found nothing: its text-order report lists no word.
Result<EmbedTextRecord> nothingFound(const std::filesystem::path& text,
                                     const embed::PreparedText& prepared, SourceEncoding encoding) {
    const auto report = besideText(text, embed::kTextOrderSuffix);
    const auto frequencyReport = besideText(text, embed::kByFrequencySuffix);
    if (!fileExists(report)) {
        return Result<EmbedTextRecord>::failure(missingReport(frequencyReport, "embed"));
    }
    const auto bytes = readWholeFile(report);
    if (!bytes) {
        return Result<EmbedTextRecord>::failure(bytes.error());
    }
    const DicWords noWords;
    const embed::EmbeddedSearch search(prepared, noWords);
    const TextEncoder encoder(encoding);
    std::string expected(encoder.preamble());
    embed::produceTextOrderReport(prepared, search, [&](std::string_view piece) {
        encoder.append(expected, piece);
        return true;
    });
    if (expected != bytes.value()) {
        return Result<EmbedTextRecord>::failure(missingReport(frequencyReport, "embed"));
    }
    return Result<EmbedTextRecord>::success({displayPath(text), prepared.letterCount(), {}});
}

// The 8-bit encoding a frequency report is written in, told by its first line:
// the one its run read the text in. None for a report in a Unicode encoding (its
// text's was not left to the statistical detector) or one that starts otherwise.
std::optional<TextEncoding> eightBitEncodingOf(std::string_view report) {
    // The heading as each of these encodings writes it, made once.
    static const auto headings = [] {
        const auto heading = embed::sortedReportHeading(embed::SortedReport::ByFrequency);
        std::vector<std::pair<TextEncoding, std::string>> encoded;
        for (const auto encoding : {TextEncoding::Windows1251, TextEncoding::Koi8R,
                                    TextEncoding::Cp866, TextEncoding::Iso8859_5}) {
            encoded.emplace_back(encoding, TextEncoder({encoding, false}).encode(heading));
        }
        return encoded;
    }();
    for (const auto& [encoding, heading] : headings) {
        if (report.starts_with(heading)) {
            return encoding;
        }
    }
    return std::nullopt;
}

// The frequency report beside a text, read; none when its run found nothing.
using ReadReport = std::optional<Result<std::string>>;

// The record of a text's reports: its frequency report's rows, or none when the
// run found nothing.
Result<EmbedTextRecord> wordsFromReports(const std::filesystem::path& text,
                                         const embed::PreparedText& prepared,
                                         SourceEncoding encoding, const ReadReport& bytes) {
    using Read = Result<EmbedTextRecord>;
    const auto report = besideText(text, embed::kByFrequencySuffix);
    if (!bytes) {
        return nothingFound(text, prepared, encoding);
    }
    if (!*bytes) {
        return Read::failure(bytes->error());
    }
    const auto rows = reportRows(report, bytes->value(), encoding);
    if (!rows) {
        return Read::failure(rows.error());
    }
    EmbedTextRecord record{displayPath(text), prepared.letterCount(), {}};
    for (const auto& row : rows.value()) {
        record.words.push_back(
            {row.text, static_cast<std::int64_t>(row.count), static_cast<int>(row.text.size())});
    }
    const auto totals = embed::embedTotals(record.words, prepared.wordCount());
    if (!TextEncoder(encoding).makesFile(
            embed::sortedReportText(embed::SortedReport::ByFrequency, record.words, totals),
            bytes->value())) {
        return Read::failure(notThisText(report));
    }
    return Read::success(std::move(record));
}

}  // namespace

Result<EmbedTextRecord> embedRecordFromReports(const std::filesystem::path& text,
                                               std::optional<Language> language,
                                               std::optional<TextEncoding> forced,
                                               std::optional<int> modelOrder) {
    using Read = Result<EmbedTextRecord>;
    ReadReport report;
    if (const auto path = besideText(text, embed::kByFrequencySuffix); fileExists(path)) {
        report = readWholeFile(path);
    }
    // A report in an 8-bit encoding tells which one its run read the text in, so
    // the text is read so without the statistical detector's long look; the
    // report is checked against the text all the same.
    auto encoding = forced;
    if (!encoding && report && *report) {
        encoding = eightBitEncodingOf(report->value());
    }
    const auto decoded = readText(text, encoding);
    if (!decoded) {
        return Read::failure(decoded.error());
    }
    const auto& source = decoded->cp1251;
    if (source.size() < 4) {
        return Read::failure(embed::kTextTooShortMessage);
    }
    const auto used = language.value_or(guessLanguage(source));
    const auto prepared = embed::prepareLetters(source, used);
    auto record = wordsFromReports(text, prepared, decoded->encoding, report);
    if (record) {
        record->language = used;
        if (modelOrder) {
            record->textModel = embed::TextModel::fit(prepared, *modelOrder);
        }
    }
    return record;
}

Result<EchoscanTextRecord> echoscanRecordFromReports(const std::filesystem::path& text,
                                                     int minLength, int maxLength,
                                                     std::optional<TextEncoding> forced) {
    using Read = Result<EchoscanTextRecord>;
    const auto decoded = readText(text, forced);
    if (!decoded) {
        return Read::failure(decoded.error());
    }
    const auto report =
        besideText(text, echoscan::fragmentReportSuffix(echoscan::FragmentReport::ByFrequency));
    if (!fileExists(report)) {
        return Read::failure(missingReport(report, "echoscan"));
    }
    const auto bytes = readWholeFile(report);
    if (!bytes) {
        return Read::failure(bytes.error());
    }
    const auto rows = reportRows(report, bytes.value(), decoded->encoding);
    if (!rows) {
        return Read::failure(rows.error());
    }
    // The report made from the rows: their texts laid end to end stand for
    // FragmentText, and the rows, listed from the last entry, are the entries reversed.
    std::string texts;
    std::vector<echoscan::RecurringFragment> entries;
    int longest = 0;
    EchoscanTextRecord record{displayPath(text), {}};
    for (const auto& row : rows.value()) {
        const auto length = static_cast<std::uint32_t>(row.text.size());
        entries.push_back({static_cast<std::uint32_t>(texts.size()), length,
                           static_cast<std::uint32_t>(row.count), 0});
        texts += row.text;
        longest = std::max(longest, static_cast<int>(length));
        record.fragments.push_back({row.text, row.count});
    }
    std::reverse(entries.begin(), entries.end());
    const auto made =
        echoscan::fragmentReportText(echoscan::FragmentReport::ByFrequency, texts, entries,
                                     minLength, maxLength, reportColumn(longest));
    if (TextEncoder(decoded->encoding).makesFile(made, bytes.value())) {
        return Read::success(std::move(record));
    }
    const auto firstLine = [](std::string_view report) {
        return report.substr(0, report.find('\r'));
    };
    const auto written = decodeText(bytes.value(), decoded->encoding.encoding).cp1251;
    if (firstLine(made) != firstLine(written)) {
        return Read::failure(displayPath(report) + " is not a report of the range " +
                             std::to_string(minLength) + " to " + std::to_string(maxLength));
    }
    return Read::failure(notThisText(report));
}

}  // namespace undertext::corpus
