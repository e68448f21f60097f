#include "corpus/core/summary_files.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <future>

#include "common/core/files/file_io.h"

namespace undertext::corpus {

std::filesystem::path byTextPath(const std::filesystem::path& summary) {
    auto name = summary.stem().string() + ".by-text" + summary.extension().string();
    return summary.parent_path() / name;
}

std::string fixedDecimal(double value, int decimals) {
    char digits[400];  // room for the largest double in fixed notation
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    return std::string(digits, written.ptr);
}

std::string tableField(std::string_view field) {
    std::string safe(field);
    for (char& c : safe) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return safe;
}

void TableLines::rowOfSafeFields(std::initializer_list<std::string_view> fields) {
    // Laid out at once: the by-text tables run to millions of rows.
    std::size_t size = std::max<std::size_t>(fields.size(), 1);  // the tabs and the line end
    for (const auto field : fields) {
        size += field.size();
    }
    const auto start = pending_.size();
    pending_.resize(start + size);
    char* out = pending_.data() + start;
    bool first = true;
    for (const auto field : fields) {
        if (!first) {
            *out++ = '\t';
        }
        first = false;
        std::memcpy(out, field.data(), field.size());
        out += field.size();
    }
    *out = '\n';
    flushWhenLarge();
}

void TableLines::row(std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (const auto field : fields) {
        if (!first) {
            pending_ += '\t';
        }
        first = false;
        pending_ += tableField(field);
    }
    pending_ += '\n';
    flushWhenLarge();
}

void TableLines::flushWhenLarge() {
    if (pending_.size() >= (64 << 10)) {
        flush();
    }
}

void TableLines::flush() {
    if (!pending_.empty()) {
        sink_(pending_);
        pending_.clear();
    }
}

Status writeSummaryFiles(const std::filesystem::path& summary, const TableProducer& summaryTable,
                         const TableProducer& byTextTable) {
    WholeFileWriter summaryFile(summary);
    WholeFileWriter byTextFile(byTextPath(summary));
    bool summaryWritten = true;
    // The two tables are made at once, the summary on a thread of its own.
    auto summaryMade = std::async(std::launch::async, [&] {
        summaryTable([&](std::string_view piece) { summaryWritten &= summaryFile.append(piece); });
    });
    byTextTable([&](std::string_view piece) { byTextFile.append(piece); });
    summaryMade.get();
    // A writer that failed names its file and reason at its commit, which then only
    // removes its temporary file; the other one's goes unused with its writer.
    if (!summaryWritten) {
        return summaryFile.commit();
    }
    if (auto placed = byTextFile.commit(); !placed) {
        return placed;
    }
    return summaryFile.commit();
}

}  // namespace undertext::corpus
