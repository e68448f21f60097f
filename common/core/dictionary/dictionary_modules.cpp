#include "common/core/dictionary/dictionary_modules.h"

#include "common/core/files/file_names.h"
#include "common/core/messages/message_pattern.h"

namespace undertext {
namespace {

std::string storedName(const std::vector<std::string>& modules, const char* name) {
    for (const auto& module : modules) {
        if (sameNameIgnoringCase(module, name)) {
            return module;
        }
    }
    return {};
}

}  // namespace

std::vector<std::string> availableModules(const std::filesystem::path& startFolder) {
    return listMatchingFiles(startFolder, kModulePattern);
}

bool hasAnyModule(const std::filesystem::path& startFolder) {
    return !availableModules(startFolder).empty();
}

std::vector<std::string> defaultModulesTakenByNoFile(const std::filesystem::path& startFolder) {
    std::vector<std::string> taken;
    for (const char* name : {kRussianDefaultModule, kEnglishDefaultModule}) {
        const auto found = findNameIgnoringCase(startFolder, name);
        std::error_code error;
        if (found && !std::filesystem::is_regular_file(*found, error)) {
            taken.push_back(found->filename().string());
        }
    }
    return taken;
}

std::string noModuleFileMessage(const std::string& name) {
    return fillIn(UNDERTEXT_TRANSLATABLE("CoreMessage",
                                         "«%1» в папке программы — не файл модуля словаря. %2"),
                  {name, kMissingModulesMessage});
}

DefaultModules lookUpDefaultModules(const std::filesystem::path& startFolder) {
    const auto modules = availableModules(startFolder);  // one read of the folder
    return {storedName(modules, kRussianDefaultModule), storedName(modules, kEnglishDefaultModule)};
}

std::vector<std::string> modulesForLanguage(Language language, const DefaultModules& defaults) {
    const auto& name = defaults.of(language);
    if (name.empty()) {
        return {};
    }
    return {name};
}

bool noModuleSelected(const std::vector<std::string>& selectedModules) {
    return selectedModules.empty() || selectedModules.front().empty();
}

}  // namespace undertext
