#include "cli/shared_modules.h"

#include "cli/module_notes.h"

namespace undertext::cli {

std::shared_ptr<const Result<DicWords>> SharedModules::words(
    const std::vector<std::string>& modules) {
    const std::lock_guard lock(loading_);
    auto& words = loaded_[modules];
    if (!words) {
        noteUnmatchableWords(folder_, modules);
        words = std::make_shared<const Result<DicWords>>(loadDicWords(folder_, modules));
    }
    return words;
}

}  // namespace undertext::cli
