#pragma once

#include <optional>
#include <string_view>

#include "embed/core/prepared_text.h"
#include "embed/core/significance/expected_count.h"
#include "embed/core/significance/letter_model.h"

namespace undertext::embed {

// What the significance test needs of one text once its letters are gone: its
// letter model of order k, fitted on its own stream, and its countable positions,
// so that a word found in other texts can be given this text's expectation later.
// One text costs 1 KiB of letter index plus A^k + A^(k+1) doubles of model (A
// distinct letters, at most 32), whatever its size: about 1.3 KiB at order 0,
// 9.3 KiB at order 1 and 265 KiB at order 2, and a few hundred bytes of
// positions. Immutable; reading is thread-safe.
class TextModel {
  public:
    // nullopt when the order is not 0, 1 or 2 or the text has fewer than k + 2
    // letters (as assessSignificance refuses them).
    static std::optional<TextModel> fit(const PreparedText& text, int order);

    int order() const { return model_.order(); }
    // expectedCount and clumpParameter of word (at least k letters) in this text.
    double expectedCount(std::string_view word) const;
    double clumpParameter(std::string_view word) const;

  private:
    TextModel(const PreparedText& text, int order);

    LetterModel model_;
    CountablePositions positions_;
};

}  // namespace undertext::embed
