#include "echoscan/core/echoscan_job.h"

#include <new>

#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/files/source_name.h"
#include "common/core/report/number_text.h"
#include "echoscan/core/fragment_lengths.h"
#include "echoscan/core/fragment_reports.h"
#include "echoscan/core/fragment_text.h"
#include "echoscan/core/recurring_fragments.h"

namespace undertext::echoscan {
namespace {

constexpr const char* kResultPatternSuffix = "_Rec*.txt";

std::string sourceNotFoundMessage(const std::filesystem::path& path) {
    return "Не найден исходный файл \"" + displayPath(path) + "\".";
}

std::string textTooLongMessage(const std::filesystem::path& path) {
    return "Текст файла \"" + displayPath(path) + "\" слишком велик для поиска.";
}

}  // namespace

std::string tooFewCharactersMessage(long long minLength) {
    return "У вас нет" + numberText(minLength) + " символов на выбранном языке в тексте.";
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
        const auto fragmentText = writeFragmentText(
            *sourcePath, request.sourceFolder / (request.sourceName + kFragmentTextSuffix),
            request.language, request.sourceText, request.encoding);
        if (!fragmentText) {
            return EchoscanOutcome::failed(fragmentText.error());
        }
        control.showResultFiles({kResultPatternSuffix, request.sourceName});

        const auto lengths = checkFragmentLengths(request.minLengthText, request.maxLengthText);
        if (!lengths) {
            return EchoscanOutcome::refused(lengths.error());
        }
        const std::string& text = fragmentText->text;
        const auto searchEnd = static_cast<long long>(text.size()) - 1;
        if (searchEnd < lengths->shortest) {
            return EchoscanOutcome::refused(tooFewCharactersMessage(lengths->shortest));
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
        const auto written = writeFragmentReports(
            request.sourceFolder, request.sourceName, text, std::move(*fragments),
            lengths->shortest, lengths->longest, TextEncoder(fragmentText->encoding));
        if (!written) {
            return EchoscanOutcome::failed(written.error());
        }
    } catch (const std::bad_alloc&) {
        return EchoscanOutcome::failed(outOfMemoryMessage(*sourcePath));
    }

    control.showResultFiles({kResultPatternSuffix, std::nullopt});
    control.progress(100);
    return EchoscanOutcome::completed();
}

}  // namespace undertext::echoscan
