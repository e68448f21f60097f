#include "embed/core/embed_reports.h"

#include <algorithm>
#include <numeric>

#include "common/core/files/disk_space.h"
#include "common/core/report/number_text.h"
#include "common/core/report/report_text.h"
#include "common/core/report/selection_sort.h"
#include "common/core/text/codepage.h"

namespace undertext::embed {
namespace {

const char* utf8HeadingOf(SortedReport report) {
    switch (report) {
        case SortedReport::ByFrequency:
            return "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО ВСТРЕЧАЕМОСТИ В ТЕКСТЕ, ЗАТЕМ ПО ДЛИНЕ СЛОВ ";
        case SortedReport::ByLength:
            return "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО ДЛИНЕ СЛОВ, ЗАТЕМ ПО ВСТРЕЧАЕМОСТИ";
        case SortedReport::Alphabetical:
            return "  ВЛОЖЕННЫЕ СЛОВА. СОРТИРОВКА ПО АЛФАВИТУ";
    }
    return "";
}

// A word's first eight bytes as one number, high byte first, padded with zeros:
// ordered as the words, ties aside.
std::uint64_t leadingBytes(std::string_view word) {
    std::uint64_t packed = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        packed = packed << 8 | (i < word.size() ? static_cast<unsigned char>(word[i]) : 0U);
    }
    return packed;
}

}  // namespace

std::filesystem::path reportPath(const std::filesystem::path& sourceFolder,
                                 const std::string& sourceName, const char* suffix) {
    return sourceFolder / (sourceName + suffix);
}

void produceTextOrderReport(const PreparedText& text, const EmbeddedSearch& search,
                            const std::function<bool(std::string_view)>& sink,
                            std::size_t pieceBytes) {
    ReportText report;
    EmbeddedSearch::MarkTexts marks;
    // Hands on what has been built once it is large. Only marks follow in a line
    // once its word is padded, so a line may be cut there: no later padding
    // depends on where the line began.
    const auto handOn = [&](std::size_t atLeast) {
        if (report.text().size() < atLeast) {
            return true;
        }
        const bool more = sink(report.text());
        report.clear();
        return more;
    };
    for (std::uint32_t slot = 1; slot <= text.wordCount(); ++slot) {
        report.append(text.textWord(slot)).padToNextZone();
        for (auto position = text.wordEnd[slot - 1] + 1; position <= text.wordEnd[slot];
             ++position) {
            report.append(search.markTextAt(position, slot, marks));
            if (!handOn(pieceBytes)) {
                return;
            }
        }
        report.endLine();
        if (!handOn(pieceBytes)) {
            return;
        }
    }
    handOn(1);
}

std::uint64_t textOrderReportSize(const PreparedText& text, const EmbeddedSearch& search,
                                  const TextEncoder& encoder) {
    constexpr std::uint64_t zone = ReportText::kZoneWidth;
    const EncodedSize encoded(encoder);
    const auto blank = encoded.of(" ");
    const auto lineEnd = encoded.of("\r\n");
    std::uint64_t bytes = encoded.preamble() + search.occurrenceBytes(encoded);
    for (std::uint32_t slot = 1; slot <= text.wordCount(); ++slot) {
        // The word padded past it to the next zone's start, and CR LF.
        const auto word = text.textWord(slot);
        const auto blanks = (word.size() / zone + 1) * zone - word.size();
        bytes += encoded.of(word) + blanks * blank + lineEnd;
    }
    return bytes;
}

Status writeTextOrderReport(ReportSetWriter& set, const std::filesystem::path& path,
                            const PreparedText& text, const EmbeddedSearch& search,
                            const TextEncoder& encoder, std::uint64_t size) {
    if (auto room = ensureRoomFor(path, size); !room) {
        return room;
    }
    auto& file = set.add(path, encoder);
    produceTextOrderReport(text, search,
                           [&](std::string_view piece) { return set.append(file, piece); });
    return Status::success();
}

void sortForReport(SortedReport report, const std::vector<EmbeddedWord>& words,
                   std::vector<std::uint32_t>& order) {
    switch (report) {
        // The fewer occurrences (the shorter word) beats: the most frequent come first.
        case SortedReport::ByFrequency:
            selectionSortByKey(order, [&](std::uint32_t index) {
                const auto& word = words[index];
                return std::pair(-word.count, -word.length);
            });
            break;
        case SortedReport::ByLength:
            selectionSortByKey(order, [&](std::uint32_t index) {
                const auto& word = words[index];
                return std::pair(-word.length, -word.count);
            });
            break;
        case SortedReport::Alphabetical:
            // By the words' bytes as unsigned values, Windows-1251 order (a string
            // view compares so); their first bytes packed settle most comparisons.
            selectionSortByKey(order, [&](std::uint32_t index) {
                const auto& word = words[index].word;
                return std::pair(leadingBytes(word), std::string_view(word));
            });
            break;
    }
}

void sortForReport(SortedReport report, std::vector<EmbeddedWord>& words) {
    std::vector<std::uint32_t> order(words.size());
    std::iota(order.begin(), order.end(), 0U);
    sortForReport(report, words, order);
    placeInOrder(words, order);
}

EmbedTotals embedTotals(const std::vector<EmbeddedWord>& words, std::uint32_t wordCount) {
    int maxFoundLength = 0;
    for (const auto& word : words) {
        maxFoundLength = std::max(maxFoundLength, word.length);
    }
    const double ratio = static_cast<double>(words.size()) / static_cast<double>(wordCount);
    return {wordCount, static_cast<float>(ratio), reportColumn(maxFoundLength)};
}

std::string sortedReportHeading(SortedReport report) {
    return utf8ToCp1251(utf8HeadingOf(report));
}

SortedReportRows::SortedReportRows(const std::vector<EmbeddedWord>& words,
                                   const EmbedTotals& totals)
    : totals_(totals) {
    const int column = totals.column;
    ReportText text;
    ends_.reserve(words.size());
    for (const auto& word : words) {
        text.append(word.word).padToColumn(column).append(printedNumber(word.count));
        text.padToColumn(column + 8).append(printedNumber(word.length)).endLine();
        ends_.push_back(static_cast<std::uint32_t>(text.text().size()));
    }
    rows_ = text.release();
}

std::string SortedReportRows::reportText(SortedReport report,
                                         const std::vector<std::uint32_t>& order) const {
    const int column = totals_.column;
    ReportText head;
    head.append(sortedReportHeading(report)).endLine();
    head.endLine();
    head.append(utf8ToCp1251("Слово")).padToColumn(column);
    head.append(utf8ToCp1251("Кол.Повт.")).padToColumn(column + 10);
    head.append(utf8ToCp1251("Длина")).endLine();
    head.endLine();
    ReportText foot;
    foot.endLine();
    foot.append(utf8ToCp1251("Найдено вложенных слов: "))
        .append(numberText(static_cast<std::int64_t>(order.size())))
        .endLine();
    foot.append(utf8ToCp1251("Всего слов в тексте: "))
        .append(numberText(totals_.wordCount))
        .endLine();
    foot.append(utf8ToCp1251("Коэффициент: "))
        .append(coefficientText(totals_.coefficient))
        .endLine();

    std::string text = head.release();
    text.reserve(text.size() + rows_.size() + foot.text().size());
    for (const auto index : order) {
        const auto begin = index == 0 ? 0 : ends_[index - 1];
        text.append(rows_, begin, ends_[index] - begin);
    }
    text += foot.text();
    return text;
}

std::string sortedReportText(SortedReport report, const std::vector<EmbeddedWord>& words,
                             const EmbedTotals& totals) {
    std::vector<std::uint32_t> order(words.size());
    std::iota(order.begin(), order.end(), 0U);
    return SortedReportRows(words, totals).reportText(report, order);
}

}  // namespace undertext::embed
