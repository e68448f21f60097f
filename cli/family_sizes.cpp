#include "cli/family_sizes.h"

#include "embed/core/significance/module_family.h"

namespace undertext::cli {

std::size_t FamilySizes::of(Language language, const DicWords& modules,
                            const DictionaryOrder& order) {
    const std::lock_guard lock(counting_);
    const auto [size, added] = sizes_.try_emplace(language, 0);
    if (added) {
        size->second = embed::ModuleFamily(modules, order, {}, language, modelOrder_).testedWords();
    }
    return size->second;
}

}  // namespace undertext::cli
