#include "cli/embed_request.h"

#include "cli/cli_support.h"
#include "cli/module_folder.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/file_io.h"
#include "common/core/messages/message_pattern.h"
#include "common/core/messages/translatable.h"
#include "embed/core/significance/significance.h"

namespace undertext::cli {

embed::EmbedRequest embedRequestFor(const std::filesystem::path& source,
                                    const EmbedOptions& options,
                                    const std::filesystem::path& startFolder,
                                    const DecodedText& text) {
    embed::EmbedRequest request;
    request.sourceFolder = source.has_parent_path() ? source.parent_path() : ".";
    request.sourceName = source.filename().string();
    request.startFolder = startFolder;
    request.approveReportSize = reportSizeLimit(options.maxReportSize);
    request.sourceText = &text;
    // The language is guessed from the decoded letters, as opening the file in
    // the window does.
    request.language = options.language ? *options.language : guessLanguage(text.cp1251);
    request.selectedModules = embedModulesFor(request.language, options.modules, startFolder);
    request.significanceOrder = significanceOrder(options.significance, options.model);
    return request;
}

std::optional<int> significanceOrder(bool significance, std::optional<int> model) {
    if (!significance && !model) {
        return std::nullopt;
    }
    return model.value_or(embed::kDefaultModelOrder);
}

std::vector<std::string> embedModulesFor(Language language, const std::vector<std::string>& chosen,
                                         const std::filesystem::path& startFolder) {
    return chosen.empty() ? modulesForLanguage(language, lookUpDefaultModules(startFolder))
                          : chosen;
}

std::string embedRefusalText(const std::string& message, const embed::EmbedRequest& request) {
    if (message != kChooseModulesMessage) {
        return message;
    }
    const char* missing =
        request.language == Language::Russian ? kRussianDefaultModule : kEnglishDefaultModule;
    return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage", "%1 (в папке \"%2\" нет модуля %3)."),
                  {message, displayPath(request.startFolder), missing});
}

}  // namespace undertext::cli
