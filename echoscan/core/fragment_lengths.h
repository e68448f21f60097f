#pragma once

#include <optional>
#include <string_view>

#include "common/core/messages/translatable.h"
#include "common/core/result.h"

namespace undertext::echoscan {

inline constexpr const char* kLengthOrderMessage = UNDERTEXT_TRANSLATABLE(
    "CoreMessage", "Минимальная длина должна быть меньше или равна максимальной длине фрагмента.");
inline constexpr const char* kNonPositiveLengthMessage =
    UNDERTEXT_TRANSLATABLE("CoreMessage", "Нулевые и отрицательные значения не поддерживаются.");
// A length text that is not a whole number, or one beyond kLengthLimit either way.
inline constexpr const char* kLengthNotNumberMessage = UNDERTEXT_TRANSLATABLE(
    "CoreMessage", "Размеры фрагментов должны быть целыми числами от 1 до 1000000000.");
inline constexpr long long kLengthLimit = 1'000'000'000;

// The range of fragment lengths a run searches.
struct FragmentLengths {
    int shortest = 0;
    int longest = 0;
};

// The text of a length box as a whole number: optional blanks, an optional sign,
// decimal digits, optional blanks, and at most kLengthLimit in magnitude.
std::optional<long long> parseFragmentLength(std::string_view text);

// The range typed in the two length boxes, or the refusal, checked in this order:
// either text no whole number (kLengthNotNumberMessage), the longest below the
// shortest (kLengthOrderMessage), either below 1 (kNonPositiveLengthMessage).
Result<FragmentLengths> checkFragmentLengths(std::string_view shortestText,
                                             std::string_view longestText);

}  // namespace undertext::echoscan
