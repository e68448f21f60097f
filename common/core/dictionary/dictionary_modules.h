#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/core/messages/translatable.h"
#include "common/core/result.h"
#include "common/core/text/letters.h"

namespace undertext {

inline constexpr const char* kModulePattern = "*.dic";
inline constexpr const char* kRussianDefaultModule = "COMMON.DIC";
inline constexpr const char* kEnglishDefaultModule = "COMMON_E.DIC";
inline constexpr const char* kMissingModulesMessage = UNDERTEXT_TRANSLATABLE(
    "CoreMessage", "Скачайте, разархивируйте и перепишите модули словарей в директорию программы");

// The default module of each language under the name the file system reports
// (its stored letter case), or an empty name when the file is missing.
struct DefaultModules {
    std::string russian;
    std::string english;

    const std::string& of(Language language) const {
        return language == Language::Russian ? russian : english;
    }
};

// The modules present in startFolder: the files matching "*.dic", any case.
std::vector<std::string> availableModules(const std::filesystem::path& startFolder);

// The start-up check: true when startFolder holds at least one module.
bool hasAnyModule(const std::filesystem::path& startFolder);

// The default modules whose name in startFolder (in any letter case) is taken by
// something that is no file, such as a folder or a link that leads nowhere: the
// module is missing though its name is there. Names as the file system has them.
std::vector<std::string> defaultModulesTakenByNoFile(const std::filesystem::path& startFolder);

// What the start-up check says of such a name, as it says kMissingModulesMessage.
std::string noModuleFileMessage(const std::string& name);

DefaultModules lookUpDefaultModules(const std::filesystem::path& startFolder);

// SelectedModules after a change of language: only that language's default
// module, or nothing when it is missing.
std::vector<std::string> modulesForLanguage(Language language, const DefaultModules& defaults);

// The refusal of a run that selects no module.
inline constexpr const char* kChooseModulesMessage =
    UNDERTEXT_TRANSLATABLE("CoreMessage", "Выберите модули словарей");

// An empty list, or one whose first entry is an empty name, selects no module.
bool noModuleSelected(const std::vector<std::string>& selectedModules);

}  // namespace undertext
