#include "cli/shared_modules.h"

#include "cli/module_notes.h"

namespace undertext::cli {

std::shared_ptr<const LoadedModules> SharedModules::load(const std::vector<std::string>& modules) {
    const std::lock_guard lock(loading_);
    auto& loaded = loaded_[modules];
    if (!loaded) {
        noteUnmatchableWords(folder_, modules);
        auto made = std::make_shared<LoadedModules>(loadDicWords(folder_, modules));
        if (made->words) {
            made->order.emplace(made->words.value());
        }
        loaded = std::move(made);
    }
    return loaded;
}

}  // namespace undertext::cli
