#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_order.h"
#include "common/core/result.h"

namespace undertext::cli {

// A selection of modules as a run over many texts holds it: the words, in load
// order, or why they could not be loaded, and, when they loaded, their order for
// the search.
struct LoadedModules {
    Result<DicWords> words;
    std::optional<DictionaryOrder> order;
};

// The dictionary modules of a run over many texts, each selection loaded once (on
// its first text, with its unmatchable words noted) and then shared read-only by
// every worker. Thread-safe.
class SharedModules {
  public:
    explicit SharedModules(std::filesystem::path folder) : folder_(std::move(folder)) {}

    std::shared_ptr<const LoadedModules> load(const std::vector<std::string>& modules);

  private:
    std::filesystem::path folder_;
    std::mutex loading_;
    std::map<std::vector<std::string>, std::shared_ptr<const LoadedModules>> loaded_;
};

}  // namespace undertext::cli
