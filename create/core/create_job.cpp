#include "create/core/create_job.h"

#include <memory>
#include <string_view>
#include <utility>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_modules.h"

namespace undertext::create {
namespace {

CreateOutcome search(const SearchInput& input, JobControl& control) {
    auto analysis = searchPhrase(input, control);
    if (!analysis) {
        return CreateOutcome::stopped();
    }
    control.progress(100);
    return CreateOutcome::completed(std::move(*analysis));
}

}  // namespace

Status checkCreateRequest(const CreateRequest& request) {
    if (noModuleSelected(request.selectedModules)) {
        return Status::failure(std::string(kChooseModulesMessage) + ".");
    }
    return Status::success();
}

PhraseWords phraseWordsOf(const CreateRequest& request) {
    const std::string_view phrase =
        std::string_view(request.phrase).substr(0, static_cast<std::size_t>(kMaxPhraseLength));
    return splitPhrase(phrase, request.language);
}

Result<SearchInput> prepareSearch(PhraseWords words, const CreateRequest& request) {
    if (words.letterCount == 0) {
        return Result<SearchInput>::failure(kNoLetterMessage);
    }
    auto loaded = loadDicWords(request.startFolder, request.selectedModules);
    if (!loaded) {
        return Result<SearchInput>::failure(loaded.error());
    }
    SearchInput input;
    input.words = std::move(words.words);
    input.letterCount = words.letterCount;
    input.dicWords = std::make_shared<const DicWords>(std::move(loaded).value());
    input.progressStep = progressStepFor(input.dicWords->size(), input.letterCount);
    return Result<SearchInput>::success(std::move(input));
}

CreateOutcome createJob(const CreateRequest& request, JobControl& control) {
    if (request.prepared) {
        return search(*request.prepared, control);
    }
    if (const auto checked = checkCreateRequest(request); !checked) {
        return CreateOutcome::refused(checked.error());
    }
    const auto input = prepareSearch(phraseWordsOf(request), request);
    if (!input) {
        return CreateOutcome::refused(input.error());
    }
    control.progress(2);
    return search(input.value(), control);
}

}  // namespace undertext::create
