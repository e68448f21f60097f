#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/core/files/report_size_approval.h"
#include "common/core/job_control.h"
#include "common/core/job_outcome.h"
#include "common/core/result.h"
#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"
#include "echoscan/core/recurring_fragments.h"

namespace undertext::echoscan {

// "У вас нет" + number text of minLength + " символов на выбранном языке в тексте."
std::string tooFewCharactersMessage(long long minLength);

// What the search job is given when it starts. Texts are UTF-8.
struct EchoscanRequest {
    std::string sourceName;  // the file name the window shows; one with a folder part is refused
    std::filesystem::path sourceFolder;  // empty while no file has been picked
    Language language = Language::Russian;
    std::string minLengthText;  // the shortest fragment length as typed
    std::string maxLengthText;  // the longest fragment length as typed
    // The text when the caller has read and decoded it already (a pipe can be
    // read only once); null: the job reads and decodes the file.
    const DecodedText* sourceText = nullptr;
    // The text's encoding; detected when absent. The prepared text and the
    // reports are written in it.
    std::optional<TextEncoding> encoding;
    // Asked before a large set of reports is written.
    ReportSizeApproval approveReportSize = {};
    // False when only the results are wanted (a corpus summary): nothing is
    // written beside the text.
    bool writeReports = true;
};

// What a completed run found: its prepared text and its recurring fragments (as
// the reports list them, in any order).
struct EchoscanResults {
    std::string fragmentText;
    std::vector<RecurringFragment> fragments;
};

// A run leaves the prepared text and three reports and nothing else.
using EchoscanOutcome = JobOutcome<EchoscanResults>;

// The refusal a request meets before anything is read: no source name
// (kChooseSourceMessage). echoscanJob checks first; a window asks before it
// starts the job, so that the refusal shows at once.
Status checkEchoscanRequest(const EchoscanRequest& request);

// The search job: refuses what checkEchoscanRequest refuses and a name that is
// no file of the source folder; writes the prepared text; refuses lengths that
// checkFragmentLengths refuses and a prepared text of minLength characters or
// fewer; searches, and writes the three reports beside the source, with progress
// and stop points through control. Its events, in order: after the prepared text
// the result list for the request's name + "_Rec*.txt"; once completed, the
// reports of the name the window shows by then, and 100. Without writeReports it
// writes nothing and tells no result list, and never asks about the reports' size.
// A stop shows 0 and writes no report; a file that cannot be read or written
// fails with its name.
// Keeps no state between runs; several jobs may run at once on different threads.
EchoscanOutcome echoscanJob(const EchoscanRequest& request, JobControl& control);

}  // namespace undertext::echoscan
