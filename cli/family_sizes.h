#pragma once

#include <cstddef>
#include <map>
#include <mutex>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_order.h"
#include "common/core/text/letters.h"

namespace undertext::cli {

// How many words the significance test of a corpus summary tests in the modules of
// each language (ModuleFamily::testedWords): counted on the first text of a
// language, as walking the modules is not free, then reused. Every text of a
// language is searched with the same modules. Thread-safe.
class FamilySizes {
  public:
    explicit FamilySizes(int modelOrder) : modelOrder_(modelOrder) {}

    // modules and their order as the search walks them (SharedModules).
    std::size_t of(Language language, const DicWords& modules, const DictionaryOrder& order);

  private:
    int modelOrder_;
    std::mutex counting_;
    std::map<Language, std::size_t> sizes_;
};

}  // namespace undertext::cli
