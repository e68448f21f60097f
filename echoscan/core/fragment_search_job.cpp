#include "echoscan/core/fragment_search_job.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <new>

#include "common/core/files/file_io.h"
#include "common/core/files/file_names.h"
#include "common/core/files/source_name.h"
#include "common/core/report/number_text.h"
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

// Shows the message and gives the buttons back, as every refusal and failure does.
FragmentSearchEnd endWith(JobControl& control, FragmentSearchEnd how, const std::string& message) {
    control.showMessage(message);
    control.enableRunButtons(true);
    return how;
}

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string tooFewCharactersMessage(long long minLength) {
    return "У вас нет" + numberText(minLength) + " символов на выбранном языке в тексте.";
}

std::optional<long long> parseFragmentLength(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size() || magnitude > kLengthLimit) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

FragmentSearchEnd fragmentSearchJob(const FragmentSearchRequest& request, JobControl& control) {
    control.enableRunButtons(false);
    if (request.sourceName.empty()) {
        return endWith(control, FragmentSearchEnd::Refused, kNoSourceFileMessage);
    }
    if (!isBareFileName(request.sourceName)) {
        return endWith(control, FragmentSearchEnd::Refused,
                       notInSourceFolderMessage(request.sourceName, request.sourceFolder));
    }
    const auto typedPath = request.sourceFolder / request.sourceName;
    const auto sourcePath = request.sourceFolder.empty()
                                ? std::nullopt
                                : findNameIgnoringCase(request.sourceFolder, request.sourceName);
    if (!sourcePath) {
        return endWith(control, FragmentSearchEnd::Refused, sourceNotFoundMessage(typedPath));
    }

    try {
        const auto fragmentText = writeFragmentText(
            *sourcePath, request.sourceFolder / (request.sourceName + kFragmentTextSuffix),
            request.language, request.sourceText, request.encoding);
        if (!fragmentText) {
            return endWith(control, FragmentSearchEnd::Failed, fragmentText.error());
        }
        control.showResultFiles({kResultPatternSuffix, request.sourceName});

        const auto minLength = parseFragmentLength(request.minLengthText);
        const auto maxLength = parseFragmentLength(request.maxLengthText);
        if (!minLength || !maxLength) {
            return endWith(control, FragmentSearchEnd::Refused, kLengthNotNumberMessage);
        }
        if (*maxLength < *minLength) {
            return endWith(control, FragmentSearchEnd::Refused, kLengthOrderMessage);
        }
        if (*maxLength < 1 || *minLength < 1) {
            return endWith(control, FragmentSearchEnd::Refused, kNonPositiveLengthMessage);
        }
        const std::string& text = fragmentText->text;
        const auto searchEnd = static_cast<long long>(text.size()) - 1;
        if (searchEnd < *minLength) {
            return endWith(control, FragmentSearchEnd::Refused,
                           tooFewCharactersMessage(*minLength));
        }
        if (text.size() > kMaxFragmentTextLength) {
            return endWith(control, FragmentSearchEnd::Failed, textTooLongMessage(*sourcePath));
        }

        control.progress(2);
        const int from = static_cast<int>(*minLength);
        const int to = static_cast<int>(*maxLength);
        auto fragments = findRecurringFragments(text, from, to, control);
        if (!fragments) {
            control.progress(0);
            return FragmentSearchEnd::Stopped;
        }
        const auto written = writeFragmentReports(request.sourceFolder, request.sourceName, text,
                                                  std::move(*fragments), from, to,
                                                  TextEncoder(fragmentText->encoding));
        if (!written) {
            return endWith(control, FragmentSearchEnd::Failed, written.error());
        }
    } catch (const std::bad_alloc&) {
        return endWith(control, FragmentSearchEnd::Failed, outOfMemoryMessage(*sourcePath));
    }

    control.showResultFiles({kResultPatternSuffix, std::nullopt});
    control.progress(100);
    control.enableRunButtons(true);
    return FragmentSearchEnd::Completed;
}

}  // namespace undertext::echoscan
