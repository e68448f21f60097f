#include "cli/module_notes.h"

#include <algorithm>

#include "cli/cli_support.h"
#include "common/core/dictionary/unmatchable_words.h"
#include "common/core/text/codepage.h"

namespace undertext::cli {

void noteUnmatchableWords(const std::string& moduleName, const DicWords& words) {
    const auto unmatchable = findUnmatchableWords(words);
    if (unmatchable.count == 0) {
        return;
    }
    std::string note = moduleName + ": " + std::to_string(unmatchable.count) +
                       " words can never match, holding what is no lower-case letter of one "
                       "language:";
    const char* separator = " ";
    for (const auto& word : unmatchable.firstOnes) {
        note += separator + ("\"" + cp1251ToUtf8(word) + "\"");
        separator = ", ";
    }
    if (unmatchable.count > unmatchable.firstOnes.size()) {
        note += ", ...";
    }
    printError(note);
}

void noteUnmatchableWords(const std::filesystem::path& folder,
                          const std::vector<std::string>& modules) {
    std::vector<std::string> noted;
    for (const auto& name : modules) {
        if (std::find(noted.begin(), noted.end(), name) != noted.end()) {
            continue;
        }
        noted.push_back(name);
        if (const auto words = loadDicWords(folder, {name})) {
            noteUnmatchableWords(name, words.value());
        }
    }
}

}  // namespace undertext::cli
