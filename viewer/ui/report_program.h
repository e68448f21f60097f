#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "common/core/text/letters.h"
#include "viewer/core/source_preparation.h"

namespace undertext::ui {

// The programs name their finders from the viewer's side.
using undertext::OccurrenceFinder;

// What the viewer needs of a program: the caption of its table's first column,
// the line shown for an entry without occurrences, the name suffixes of its sorted
// reports and of its other reports, the language chosen in its window (asked on
// the GUI thread), and how it finds occurrences in a source (Windows-1251) in a
// language. makeFinder runs on a worker thread and the finder it returns may be
// called from any thread.
struct ReportProgram {
    QString textCaption;
    QString noOccurrenceText;
    std::vector<std::string> sortedSuffixes;
    std::vector<std::string> otherSuffixes;
    std::function<Language()> language;
    OccurrenceFinderMaker makeFinder;
};

}  // namespace undertext::ui
