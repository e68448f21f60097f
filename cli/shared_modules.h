#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/core/dictionary/dictionary.h"
#include "common/core/result.h"

namespace undertext::cli {

// The dictionary modules of a run over many texts, each selection loaded once (on
// its first text, with its unmatchable words noted) and then shared read-only by
// every worker. Thread-safe.
class SharedModules {
  public:
    explicit SharedModules(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The words of the modules, in load order, or why they could not be loaded.
    std::shared_ptr<const Result<DicWords>> words(const std::vector<std::string>& modules);

  private:
    std::filesystem::path folder_;
    std::mutex loading_;
    std::map<std::vector<std::string>, std::shared_ptr<const Result<DicWords>>> loaded_;
};

}  // namespace undertext::cli
