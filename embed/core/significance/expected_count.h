#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "embed/core/prepared_text.h"
#include "embed/core/significance/letter_model.h"

namespace undertext::embed {

// Where in a prepared text the embedded-word search can count a word. Of the
// N - L + 1 starts of a word of L letters in the letter stream, it leaves out an
// occurrence when the slot holding its first letter is equal to the word: at the
// start of a slot of L letters (the span is that whole word), and, for a word
// that overlaps itself at a shift d, also d letters into such a slot when the
// slot is the word (then the occurrence runs on past the slot).
// Self-contained: it keeps the number of slots of each length, the stream's length
// and the few slots near the end that an overlapping occurrence could run past
// (each such slot ends less than its length before the end, so each lies more
// than twice as far from the end as the one after it: a handful at most).
class CountablePositions {
  public:
    explicit CountablePositions(const PreparedText& text);

    // The starts of a word of `length` letters, less the starts of the slots of
    // that length.
    std::uint64_t ofLength(std::size_t length) const;

    // The slots of `length` letters that leave room after them for an occurrence
    // that starts `shift` letters into them: those ending at least shift letters
    // before the end of the stream.
    std::uint64_t slotsWithRoomAfter(std::size_t length, std::size_t shift) const;

  private:
    struct SlotNearEnd {
        std::size_t length = 0;
        std::size_t lettersAfter = 0;  // between its end and the end of the stream
    };

    std::uint64_t letterCount_ = 0;
    std::vector<std::uint64_t> slotsOfLength_;  // index: slot length
    // The slots with fewer than length - 1 letters after them.
    std::vector<SlotNearEnd> slotsNearEnd_;
};

// The expected count of word under the model, as the search counts it: its
// probability at one place times the starts of ofLength, less, for each period d
// of the word, the probability that it starts d letters into a slot of its length
// that holds it (the word, then its overlapping copy):
//   E = P(w) * (starts - sum over d of P(copy at d | w) * slots with room after).
// word holds at least model.order() letters.
double expectedCount(const LetterModel& model, const CountablePositions& positions,
                     std::string_view word);

}  // namespace undertext::embed
