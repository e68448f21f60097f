#include "create/core/variant_history.h"

#include <algorithm>

namespace undertext::create {

void VariantHistory::clear() {
    for (auto& text : slots_) {
        text.clear();
    }
    index_ = 0;
}

bool VariantHistory::contains(std::string_view text) const {
    return std::ranges::any_of(slots_, [&](const std::string& slot) { return slot == text; });
}

void VariantHistory::store(std::string text) {
    index_ = (index_ + 1) % kSlots;
    slots_[static_cast<std::size_t>(index_)] = std::move(text);
}

const std::string& VariantHistory::stepBack() {
    index_ = (index_ + kSlots - 1) % kSlots;
    return slots_[static_cast<std::size_t>(index_)];
}

}  // namespace undertext::create
