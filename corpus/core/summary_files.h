#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "common/core/result.h"

namespace undertext::corpus {

// The corpus summaries are two tables: FILE and its by-text file beside it. Both
// are UTF-8 whatever the texts' encodings, one header line, then rows of fields
// separated by tabs, every line ended by LF (so that cut, sort, awk and
// spreadsheets read them as they are). Numbers are written without grouping, with
// '.' as the decimal point, whatever the locale.

// FILE with ".by-text" before its extension ("corpus.tsv" gives
// "corpus.by-text.tsv"), or after its name when it has none ("corpus" gives
// "corpus.by-text").
std::filesystem::path byTextPath(const std::filesystem::path& summary);

// value rounded to `decimals` places, in fixed notation: 2.5 with 2 gives "2.50".
std::string fixedDecimal(double value, int decimals);

// Where a table's text goes: pieces of whole lines, in order.
using PieceSink = std::function<void(std::string_view)>;

// field with every tab, CR and LF made a blank.
std::string tableField(std::string_view field);

// Builds a table's lines and hands them to a sink in pieces of about 64 KB.
class TableLines {
  public:
    explicit TableLines(const PieceSink& sink) : sink_(sink) {}
    // The sink is kept by reference: it must outlive the lines.
    explicit TableLines(PieceSink&& sink) = delete;
    TableLines(const TableLines&) = delete;
    TableLines& operator=(const TableLines&) = delete;
    ~TableLines() { flush(); }

    // One line: the fields separated by tabs. A tab, CR or LF inside a field (a
    // path may hold one) is written as a blank (tableField), so that every row
    // stays one line of the same fields.
    void row(std::initializer_list<std::string_view> fields);
    // The same for fields made safe by tableField already: a table of millions of
    // rows that repeat the same few fields makes each safe once.
    void rowOfSafeFields(std::initializer_list<std::string_view> fields);

  private:
    void flushWhenLarge();
    void flush();

    const PieceSink& sink_;
    std::string pending_;
};

// Produces a table's text into a sink.
using TableProducer = std::function<void(const PieceSink&)>;

// Writes the summary and its by-text file whole, each to a temporary file beside
// it (WholeFileWriter). Neither is put in place unless both were written in full;
// then the by-text file is put in place, then the summary (only a failure of that
// very last step can leave a new by-text file beside an old summary). A failure
// names the file. The two producers run at once, on two threads, so they may only
// read what they share.
Status writeSummaryFiles(const std::filesystem::path& summary, const TableProducer& summaryTable,
                         const TableProducer& byTextTable);

}  // namespace undertext::corpus
