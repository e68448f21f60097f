#include "embed/core/embed_job.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <numeric>
#include <optional>
#include <utility>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/file_io.h"
#include "common/core/files/source_name.h"
#include "common/core/report/number_text.h"
#include "common/core/report/selection_sort.h"
#include "embed/core/embed_reports.h"
#include "embed/core/embedded_search.h"
#include "embed/core/prepared_text.h"
#include "embed/core/significance/significance.h"
#include "embed/core/significance/significance_table.h"

namespace undertext::embed {
namespace {

// A phase's stop points with its progress: after every stop point a counter
// advances, and each step-th time the percentage gains 2 (up to cap).
class SteppedProgress {
  public:
    SteppedProgress(JobControl& control, int& percent, std::int64_t step, int cap)
        : control_(control), percent_(percent), step_(step), cap_(cap) {}

    // Passes `count` stop points in runs that end where the percentage gains, so
    // that a stop is looked for once a run. False when a stop was requested.
    bool advance(std::int64_t count) {
        while (count > 0) {
            // A step below 1 never gains: the whole count is one run.
            const std::int64_t run = step_ > counter_ ? std::min(count, step_ - counter_) : count;
            if (control_.passStopPoints(run)) {
                return false;
            }
            count -= run;
            counter_ += run;
            if (counter_ == step_) {
                percent_ = std::min(cap_, percent_ + 2);
                control_.progress(percent_);
                counter_ = 0;
            }
        }
        return true;
    }

  private:
    JobControl& control_;
    int& percent_;
    std::int64_t step_;
    int cap_;
    std::int64_t counter_ = 0;
};

EmbedOutcome stopped(JobControl& control) {
    control.progress(0);
    return EmbedOutcome::stopped();
}

// The result list reads its folder again.
void resultsChanged(JobControl& control) {
    control.showResultFiles({});
}

// Writes the significance file of the found words under the text's model (fitted
// with modelOrder), or returns the note that says why there is none.
Result<std::string> writeSignificance(const std::filesystem::path& path,
                                      const std::optional<TextModel>& model, int modelOrder,
                                      const DicWords& dicWords, const DictionaryOrder& order,
                                      const std::vector<EmbeddedWord>& found, Language language) {
    const auto assessed = assessSignificance(model, modelOrder, dicWords, found, language, &order);
    if (assessed.refusal) {
        return Result<std::string>::success(refusalMessage(*assessed.refusal, modelOrder));
    }
    if (const auto written = writeWholeFile(path, significanceTsv(assessed.table.rows)); !written) {
        return Result<std::string>::failure(written.error());
    }
    return Result<std::string>::success({});
}

// The counting phase's stop points, one per occurrence. False when a stop was
// requested.
bool countWords(JobControl& control, int& percent, std::int64_t occurrences) {
    SteppedProgress steps(control, percent, divideRoundHalfEven(occurrences - 1, 12), 100);
    return steps.advance(occurrences);
}

EmbedOutcome runJob(const EmbedRequest& request, JobControl& control) {
    if (const auto checked = checkEmbedRequest(request); !checked) {
        return EmbedOutcome::refused(checked.error());
    }
    if (!isBareFileName(request.sourceName)) {
        return EmbedOutcome::failed(
            notInSourceFolderMessage(request.sourceName, request.sourceFolder));
    }
    const bool writing = request.writeReports;
    // The text and its search are let go before the reports are synced (see
    // waitForDisk below): optional for that.
    std::optional<PrepareResult> prepared(
        prepareText(request.sourceFolder, request.sourceName, request.language, request.sourceText,
                    request.encoding, writing ? LetterFile::Write : LetterFile::Skip));
    if (prepared->kind == PrepareResult::Kind::TextTooShort) {
        return EmbedOutcome::refused(kTextTooShortMessage);
    }
    if (prepared->kind == PrepareResult::Kind::Failed) {
        return EmbedOutcome::failed(prepared->error);
    }
    const auto& text = prepared->text;
    const auto letterFile = letterFilePath(request.sourceFolder, request.sourceName);
    std::optional<Result<DicWords>> loaded;
    if (!request.loadedWords) {
        loaded.emplace(loadDicWords(request.startFolder, request.selectedModules));
    }
    const auto removed = writing ? removeFile(letterFile) : Status::success();
    if (loaded && !*loaded) {
        return EmbedOutcome::failed(loaded->error());
    }
    if (!removed) {
        return EmbedOutcome::failed(removed.error());
    }
    const DicWords& dicWords = loaded ? loaded->value() : *request.loadedWords;

    int percent = 2;
    control.progress(percent);
    // The words' order serves the search and the significance test alike.
    std::optional<DictionaryOrder> ownOrder;
    const DictionaryOrder& order =
        !loaded && request.loadedOrder ? *request.loadedOrder : ownOrder.emplace(dicWords);
    std::optional<EmbeddedSearch> search(std::in_place, text, dicWords, &order);
    const auto dicWordCount = static_cast<std::int64_t>(dicWords.size());
    // The search phase has no cap: with 45 words it ends at 92.
    SteppedProgress searchSteps(control, percent, divideRoundHalfEven(dicWordCount - 1, 30),
                                std::numeric_limits<int>::max());
    if (!searchSteps.advance(dicWordCount)) {
        return stopped(control);
    }

    const auto occurrences = static_cast<std::int64_t>(search->occurrenceCount());
    EmbedResults results;
    results.letterCount = text.letterCount();
    if (request.significanceOrder) {
        results.textModel = TextModel::fit(text, *request.significanceOrder);
    }
    if (!writing) {
        if (occurrences == 0) {
            return EmbedOutcome::nothingFound(kNothingFoundMessage, std::move(results));
        }
        if (!countWords(control, percent, occurrences)) {
            return stopped(control);
        }
        results.words = search->embeddedWords();
        control.progress(100);
        return EmbedOutcome::completed(std::move(results));
    }

    const auto report = [&](const char* suffix) {
        return reportPath(request.sourceFolder, request.sourceName, suffix);
    };
    const TextEncoder encoder(prepared->encoding);
    const auto textOrderBytes = textOrderReportSize(text, *search, encoder);
    if (const auto approved = approveReportSize(request.approveReportSize, textOrderBytes);
        !approved) {
        return EmbedOutcome::refused(approved.error());
    }
    // The reports are one set, put in place together at the end; a stop or a
    // failure before then leaves the earlier reports as they were.
    ReportSetWriter reports([&control] { return control.stopPoint(); });
    if (const auto written = writeTextOrderReport(reports, report(kTextOrderSuffix), text, *search,
                                                  encoder, textOrderBytes);
        !written) {
        return EmbedOutcome::failed(written.error());
    }
    if (reports.stopped() || control.stopPoint()) {
        return stopped(control);
    }
    resultsChanged(control);
    // Puts the reports in place once the text and its search are let go: the
    // wait for the disk holds little memory.
    const auto place = [&] {
        search.reset();
        prepared.reset();
        Status placed = Status::success();
        control.waitForDisk([&] { placed = reports.commit(); });
        return placed;
    };

    if (occurrences == 0) {
        if (const auto placed = place(); !placed) {
            return EmbedOutcome::failed(placed.error());
        }
        resultsChanged(control);
        return EmbedOutcome::nothingFound(kNothingFoundMessage, std::move(results));
    }
    if (!countWords(control, percent, occurrences)) {
        return stopped(control);
    }
    auto words = search->embeddedWords();
    // The table stays in place; each report's sort starts from the order the
    // previous one left, as the reports' sorting has always done.
    const SortedReportRows rows(words, embedTotals(words, text.wordCount()));
    std::vector<std::uint32_t> listed(words.size());
    std::iota(listed.begin(), listed.end(), 0U);
    const auto writeSorted = [&](SortedReport kind, const char* suffix) {
        sortForReport(kind, words, listed);
        reports.write(report(suffix), rows.reportText(kind, listed), encoder);
    };
    writeSorted(SortedReport::ByFrequency, kByFrequencySuffix);
    if (reports.stopped() || control.stopPoint()) {
        return stopped(control);
    }
    control.progress(96);
    writeSorted(SortedReport::ByLength, kByLengthSuffix);
    writeSorted(SortedReport::Alphabetical, kAlphabeticalSuffix);
    placeInOrder(words, listed);
    const auto placed = place();
    if (reports.stopped()) {
        return stopped(control);
    }
    if (!placed) {
        return EmbedOutcome::failed(placed.error());
    }
    if (request.significanceOrder) {
        auto note =
            writeSignificance(report(kSignificanceSuffix), results.textModel,
                              *request.significanceOrder, dicWords, order, words, request.language);
        if (!note) {
            return EmbedOutcome::failed(note.error());
        }
        results.significanceNote = std::move(note).value();
    }
    results.words = std::move(words);
    control.progress(100);
    resultsChanged(control);
    return EmbedOutcome::completed(std::move(results));
}

}  // namespace

Status checkEmbedRequest(const EmbedRequest& request) {
    if (const auto chosen = checkSourceChosen(request.sourceName); !chosen) {
        return chosen;
    }
    if (noModuleSelected(request.selectedModules)) {
        return Status::failure(kChooseModulesMessage);
    }
    return Status::success();
}

EmbedOutcome embedJob(const EmbedRequest& request, JobControl& control) {
    try {
        return runJob(request, control);
    } catch (const std::bad_alloc&) {
        removeFile(letterFilePath(request.sourceFolder, request.sourceName));
        return EmbedOutcome::failed(outOfMemoryMessage(request.sourceFolder / request.sourceName));
    }
}

}  // namespace undertext::embed
