#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/files/report_size_approval.h"
#include "common/core/job_control.h"
#include "common/core/job_outcome.h"
#include "common/core/messages/translatable.h"
#include "common/core/result.h"
#include "common/core/text/letters.h"
#include "common/core/text/text_encoding.h"
#include "embed/core/embedded_search.h"
#include "embed/core/significance/text_model.h"

namespace undertext::embed {

// What a run of the embedded-word search works on; every path is fixed here.
struct EmbedRequest {
    std::filesystem::path sourceFolder;  // SourceFolder: the text's folder, where reports go
    std::string sourceName;              // the text's file name, extension included
    Language language = Language::Russian;
    std::vector<std::string> selectedModules;  // module names, in load order
    std::filesystem::path startFolder;         // StartFolder: where the modules lie
    // The text when the caller has read and decoded it already (a pipe can be
    // read only once); null: the job reads and decodes the file.
    const DecodedText* sourceText = nullptr;
    std::optional<TextEncoding> encoding;  // the text's encoding; detected when absent
    // The letter model's order when the run also judges whether its words are
    // there by chance; absent: no significance file.
    std::optional<int> significanceOrder;
    // Asked before a large set of reports is written.
    ReportSizeApproval approveReportSize = {};
    // The selected modules' words when the caller has loaded them already (a run
    // over many texts shares them, read-only); null: the job loads them.
    const DicWords* loadedWords = nullptr;
    // Their order for the search, made with them; null: the search makes it.
    const DictionaryOrder* loadedOrder = nullptr;
    // False when only the results are wanted (a corpus summary): nothing is
    // written beside the text, not even the letter file, and no significance file.
    bool writeReports = true;
};

// What a run that did all its work found.
struct EmbedResults {
    // Why no significance file was written although one was asked for (UTF-8);
    // empty otherwise. The four reports are written all the same.
    std::string significanceNote;
    std::uint64_t letterCount = 0;    // the letters searched
    std::vector<EmbeddedWord> words;  // as the frequency report counts them, in any order
    // With a significance order, the text's model for a corpus summary; absent
    // when the text is too short for it.
    std::optional<TextModel> textModel;
};

// A run leaves its four reports and, when asked, its significance file.
using EmbedOutcome = JobOutcome<EmbedResults>;

inline constexpr const char* kNothingFoundMessage =
    UNDERTEXT_TRANSLATABLE("CoreMessage", "Вложенных слов не найдено.");

// The refusals a request meets before anything is read: no source name
// (kChooseSourceMessage), no module (kChooseModulesMessage). embedJob checks
// first; a window asks before it starts the job, so that the refusal shows at once.
Status checkEmbedRequest(const EmbedRequest& request);

// The search job: refuses what checkEmbedRequest refuses, then decodes the text
// and works on its Windows-1251 form; the letter file and the reports are written in
// the text's own encoding. It prepares the text (through the letter file "~$" +
// name beside it, deleted once the dictionary is loaded and on every failure),
// refuses a text too short (kTextTooShortMessage), loads the modules, finds and
// counts the embedded words and writes the four reports, with progress 2, +2 per
// search step, +2 per counting step (at most 100), 96 and 100, and with a stop
// point after each dictionary word, after the text-order report, after each
// occurrence index of the counting and after the frequency report. With a
// significance order, a completed run then writes the significance file
// (kSignificanceSuffix, always UTF-8), or leaves a note in its results saying why it
// could not (the run still completes). With a significance order the results
// also hold the text's model, with or without writeReports. A stop reports
// 0 and ends at once; reports already written stay. A text with no embedded word
// ends as NothingFound after its text-order report; the caller then shows the
// message and 100. The job reports 100 itself only on completion. The result list
// is told to read its folder again (showResultFiles, pattern kept) after the
// text-order report (when the run goes on) and at the end of a run that found
// nothing or completed. Without writeReports no file is written and the result
// list is never told. A failure names the file concerned.
// Touches no global state and shows nothing, so it may run on any thread; control
// is called from that thread only. Files are written whole.
EmbedOutcome embedJob(const EmbedRequest& request, JobControl& control);

}  // namespace undertext::embed
