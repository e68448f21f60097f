#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/text/letters.h"
#include "common/core/text/source_span.h"
#include "common/core/text/text_encoding.h"

namespace undertext {

// The occurrences of a word or fragment (Windows-1251) in the source it was made for.
using OccurrenceFinder = std::function<std::vector<SourceSpan>(std::string_view)>;

// How a program finds occurrences in a source (Windows-1251) in a language.
using OccurrenceFinderMaker =
    std::function<OccurrenceFinder(std::string_view source, Language language)>;

// Why the occurrences of a report's rows cannot be shown from its source.
enum class SourceProblem {
    None,
    Missing,             // no such regular file in the report's folder
    ChangedSinceReport,  // written after the report
    Unreadable,
    TooLarge,  // longer than a suffix index holds
    OutOfMemory,
    Failed,  // the finder could not be made; see the detail
};

// The source text of a report: the report's name less its suffix, in the report's
// folder, found without regard to letter case.
struct ReportSource {
    std::filesystem::path path;
    std::string name;  // as the report's name gives it
    SourceProblem problem = SourceProblem::None;
};
ReportSource locateReportSource(const std::filesystem::path& report, std::string_view suffix);

// The source text decoded and indexed for finding occurrences, or why it cannot be.
struct PreparedSource {
    DecodedText text;
    OccurrenceFinder finder;  // set when there is no problem
    SourceProblem problem = SourceProblem::None;
    std::string detail;  // what failed, in the system's words (Failed only)
};

// Reads the source in the report's encoding and indexes it with the program's
// finder. Touches nothing but its arguments, so it may run on a worker thread;
// never throws.
PreparedSource prepareSource(const std::filesystem::path& path, TextEncoding encoding,
                             Language language, const OccurrenceFinderMaker& makeFinder);

}  // namespace undertext
