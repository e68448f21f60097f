#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "viewer/core/source_preparation.h"

namespace undertext {

// The texts of a corpus last prepared for finding occurrences, by text index: at
// most `capacity` of them, the least recently used dropped first, so that what it
// holds does not grow with the corpus.
class PreparedTextCache {
  public:
    using Pointer = std::shared_ptr<const PreparedSource>;

    explicit PreparedTextCache(std::size_t capacity) : capacity_(capacity) {}

    // The text's preparation, now the most recently used; null when not held.
    Pointer find(std::size_t text);
    // Holds the preparation as the text's most recently used one.
    void add(std::size_t text, Pointer prepared);
    std::size_t size() const { return entries_.size(); }
    std::size_t capacity() const { return capacity_; }

  private:
    std::size_t capacity_;
    std::vector<std::pair<std::size_t, Pointer>> entries_;  // the most recently used last
};

}  // namespace undertext
