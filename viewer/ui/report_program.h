#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "common/core/text/letters.h"
#include "viewer/core/source_preparation.h"
#include "viewer/core/summary_table.h"

namespace undertext::ui {

// The programs name their finders from the viewer's side.
using undertext::OccurrenceFinder;

// The report whose table takes the columns of a significance file written beside
// it for the same source (name + fileSuffix), when there is one; empty for a
// program without such a file.
struct SignificanceFiles {
    std::string reportSuffix;
    std::string fileSuffix;
};

// What the viewer needs of a program: the caption of its table's first column,
// the line shown for an entry without occurrences, the name suffixes of its sorted
// reports and of its other reports, the language chosen in its window (asked on
// the GUI thread), how it finds occurrences in a source (Windows-1251) in a
// language, its significance files, and the terms of its corpus summaries (whose
// occurrences makeFinder finds). makeFinder runs on a worker thread and the finder
// it returns may be called from any thread.
struct ReportProgram {
    QString textCaption;
    QString noOccurrenceText;
    std::vector<std::string> sortedSuffixes;
    std::vector<std::string> otherSuffixes;
    std::function<Language()> language;
    OccurrenceFinderMaker makeFinder;
    SignificanceFiles significance;
    SummaryTerms summaryTerms = SummaryTerms::Words;
};

}  // namespace undertext::ui
