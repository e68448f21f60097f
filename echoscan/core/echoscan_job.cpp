#include "echoscan/core/echoscan_job.h"

#include <new>

#include "common/core/files/disk_space.h"
#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/files/source_name.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"
#include "common/core/report/number_text.h"
#include "echoscan/core/fragment_lengths.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_text.h"
#include "echoscan/core/recurring_fragments.h"

namespace undertext::echoscan {
namespace {

constexpr const char* kResultPatternSuffix = "_Rec*.txt";

std::string sourceNotFoundMessage(const std::filesystem::path& path) {
    return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "Не найден исходный файл \"%1\"."),
                  {displayPath(path)});
}

std::string textTooLongMessage(const std::filesystem::path& path) {
    return fillIn(
        UNDERTEXT_TRANSLATABLE("CoreMessage", "Текст файла \"%1\" слишком велик для поиска."),
        {displayPath(path)});
}

}  // namespace

std::string tooFewCharactersMessage(long long minLength) {
    return fillIn(
        UNDERTEXT_TRANSLATABLE("CoreMessage", "У вас нет%1 символов на выбранном языке в тексте."),
        {numberText(minLength)});
}

Status checkEchoscanRequest(const EchoscanRequest& request) {
    return checkSourceChosen(request.sourceName);
}

EchoscanOutcome echoscanJob(const EchoscanRequest& request, JobControl& control) {
    if (const auto checked = checkEchoscanRequest(request); !checked) {
        return EchoscanOutcome::refused(checked.error());
    }
    if (!isBareFileName(request.sourceName)) {
        return EchoscanOutcome::refused(
            notInSourceFolderMessage(request.sourceName, request.sourceFolder));
    }
    const auto typedPath = request.sourceFolder / request.sourceName;
    const auto sourcePath = request.sourceFolder.empty()
                                ? std::nullopt
                                : findNameIgnoringCase(request.sourceFolder, request.sourceName);
    if (!sourcePath) {
        return EchoscanOutcome::refused(sourceNotFoundMessage(typedPath));
    }

    try {
        // The prepared text and the reports are one set: put in place together, or
        // none of them when the run fails or is stopped. A refusal after the text
        // was prepared still leaves the prepared text.
        ReportSetWriter set([&control] { return control.stopPoint(); });
        const auto refusedKeepingText = [&](std::string message) {
            if (auto placed = set.commit(); !placed) {
                return EchoscanOutcome::failed(placed.error());
            }
            return EchoscanOutcome::refused(std::move(message));
        };
        auto fragmentText =
            readFragmentSource(*sourcePath, request.language, request.sourceText, request.encoding);
        if (!fragmentText) {
            return EchoscanOutcome::failed(fragmentText.error());
        }
        if (request.writeReports) {
            set.write(request.sourceFolder / (request.sourceName + kFragmentTextSuffix),
                      fragmentText->text, TextEncoder(fragmentText->encoding));
            control.showResultFiles({kResultPatternSuffix, request.sourceName});
        }

        const auto lengths = checkFragmentLengths(request.minLengthText, request.maxLengthText);
        if (!lengths) {
            return refusedKeepingText(lengths.error());
        }
        const std::string& text = fragmentText->text;
        const auto searchEnd = static_cast<long long>(text.size()) - 1;
        if (searchEnd < lengths->shortest) {
            return refusedKeepingText(tooFewCharactersMessage(lengths->shortest));
        }
        if (text.size() > kMaxFragmentTextLength) {
            return EchoscanOutcome::failed(textTooLongMessage(*sourcePath));
        }

        control.progress(2);
        auto fragments = findRecurringFragments(text, lengths->shortest, lengths->longest, control);
        if (!fragments) {
            control.progress(0);
            return EchoscanOutcome::stopped();
        }
        EchoscanResults results{std::move(fragmentText).value().text, std::move(*fragments)};
        if (!request.writeReports) {
            control.progress(100);
            return EchoscanOutcome::completed(std::move(results));
        }
        const TextEncoder encoder(fragmentText->encoding);
        // The reports' size; the prepared text of the set is written already.
        const auto size = fragmentReportsSize(results.fragmentText, results.fragments,
                                              lengths->shortest, lengths->longest, encoder);
        if (auto approved = approveReportSize(request.approveReportSize, size); !approved) {
            return EchoscanOutcome::refused(approved.error());
        }
        const auto firstReport =
            request.sourceFolder /
            (request.sourceName + fragmentReportSuffix(FragmentReport::ByLength));
        if (auto room = ensureRoomFor(firstReport, size); !room) {
            return EchoscanOutcome::failed(room.error());
        }
        writeFragmentReports(set, request.sourceFolder, request.sourceName, results.fragmentText,
                             results.fragments, lengths->shortest, lengths->longest, encoder);
        // Only the results are held while the set is synced: the search is over.
        Status written = Status::success();
        control.waitForDisk([&] { written = set.commit(); });
        if (set.stopped()) {
            control.progress(0);
            return EchoscanOutcome::stopped();
        }
        if (!written) {
            return EchoscanOutcome::failed(written.error());
        }
        control.showResultFiles({kResultPatternSuffix, std::nullopt});
        control.progress(100);
        return EchoscanOutcome::completed(std::move(results));
    } catch (const std::bad_alloc&) {
        return EchoscanOutcome::failed(outOfMemoryMessage(*sourcePath));
    }
}

}  // namespace undertext::echoscan
