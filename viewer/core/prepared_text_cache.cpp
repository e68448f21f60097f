#include "viewer/core/prepared_text_cache.h"

#include <algorithm>

namespace undertext {

PreparedTextCache::Pointer PreparedTextCache::find(std::size_t text) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [text](const auto& entry) { return entry.first == text; });
    if (found == entries_.end()) {
        return nullptr;
    }
    std::rotate(found, found + 1, entries_.end());
    return entries_.back().second;
}

void PreparedTextCache::add(std::size_t text, Pointer prepared) {
    std::erase_if(entries_, [text](const auto& entry) { return entry.first == text; });
    entries_.emplace_back(text, std::move(prepared));
    if (entries_.size() > capacity_) {
        entries_.erase(entries_.begin(), entries_.end() - static_cast<std::ptrdiff_t>(capacity_));
    }
}

}  // namespace undertext
