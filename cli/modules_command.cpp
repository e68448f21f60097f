#include <filesystem>
#include <iostream>

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/module_folder.h"
#include "cli/module_notes.h"
#include "cli/terminal_text.h"
#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_modules.h"

namespace undertext::cli {

int runModulesCommand(const ModulesOptions& options) {
    if (!options.positional.empty()) {
        printError("modules takes no file");
        return kExitUsage;
    }
    const std::filesystem::path folder = moduleFolder(options.dictDir);
    if (const auto problem = moduleFolderProblem(folder)) {
        printError(*problem);
        return kExitRefused;
    }

    const auto modules = availableModules(folder);
    if (modules.empty()) {
        std::cout << visibleLine({"No dictionary modules (*.dic) in " + folder.string()});
    }
    int status = kExitOk;
    for (const auto& name : modules) {
        blameOutOfMemoryOn(moduleOutOfMemoryMessage(name));
        const auto module = readModule(folder, name);
        if (!module) {
            printError(module.error());
            status = kExitRefused;
            continue;
        }
        DicWords words;
        appendModuleFields(module->cp1251, words);
        std::cout << visibleLine(
            {name, std::to_string(words.size()) + " words", describeEncoding(module->encoding)});
        if (module->invalidBytes > 0) {
            printError(name + ": " + std::to_string(module->invalidBytes) +
                       " invalid bytes replaced");
        }
        noteUnmatchableWords(name, words);
    }
    const auto defaults = lookUpDefaultModules(folder);
    const auto describe = [](const char* language, const std::string& name, const char* expected) {
        std::cout << visibleLine(
            {std::string("Default ") + language +
             " module: " + (name.empty() ? std::string("missing (") + expected + ")" : name)});
    };
    describe("Russian", defaults.russian, kRussianDefaultModule);
    describe("English", defaults.english, kEnglishDefaultModule);
    return status;
}

}  // namespace undertext::cli
