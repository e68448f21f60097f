#include "embed/core/significance/text_model.h"

#include "embed/core/significance/self_overlap.h"
#include "embed/core/significance/significance.h"

namespace undertext::embed {

TextModel::TextModel(const PreparedText& text, int order)
    : model_(text.letters, order), positions_(text) {}

std::optional<TextModel> TextModel::fit(const PreparedText& text, int order) {
    if (order < 0 || order > kMaxModelOrder ||
        text.letterCount() < static_cast<std::uint32_t>(order) + 2) {
        return std::nullopt;
    }
    return TextModel(text, order);
}

double TextModel::expectedCount(std::string_view word) const {
    return embed::expectedCount(model_, positions_, word);
}

double TextModel::clumpParameter(std::string_view word) const {
    return embed::clumpParameter(model_, word);
}

}  // namespace undertext::embed
