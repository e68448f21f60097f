#pragma once

#include <array>
#include <string>
#include <string_view>

namespace undertext::create {

// VariantHistory: the ring of the last 11 variants with HistoryIndex, the slot
// last written or shown. A new variant goes to the slot after the index; the
// previous-variant action walks backwards. Not thread-safe.
class VariantHistory {
  public:
    static constexpr int kSlots = 11;

    // All slots empty, index 0: the state after every start of a synthesis run.
    void clear();
    bool contains(std::string_view text) const;
    // Advances the index (10 wraps to 0) and stores text there.
    void store(std::string text);
    // Moves the index back (0 wraps to 10) and returns that slot's text.
    const std::string& stepBack();

    int index() const { return index_; }
    const std::string& slot(int slot) const { return slots_[static_cast<std::size_t>(slot)]; }

  private:
    std::array<std::string, kSlots> slots_;
    int index_ = 0;
};

}  // namespace undertext::create
