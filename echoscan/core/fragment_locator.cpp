#include "echoscan/core/fragment_locator.h"

#include "echoscan/core/fragment_text.h"

namespace undertext::echoscan {

FragmentLocator::FragmentLocator(std::string_view source, Language language)
    : language_(language),
      fragmentText_(prepareFragmentText(source, language, &sourcePositions_)),
      index_(fragmentText_) {}

std::vector<SourceSpan> FragmentLocator::find(std::string_view fragment) const {
    const auto prepared = prepareFragmentText(fragment, language_);
    const auto length = prepared.size();
    std::vector<SourceSpan> spans;
    for (const auto start : index_.startsOf(prepared)) {
        // Counted starts end at least two bytes before the end of FragmentText, so
        // the byte after the fragment always exists.
        if (start + length + 2 > fragmentText_.size()) {
            break;
        }
        if (prepared == " ") {
            spans.push_back({sourcePositions_[start], sourcePositions_[start + 1]});
            continue;
        }
        // A blank at either end stands for separators outside the letters.
        const auto first = start + (prepared.front() == ' ' ? 1 : 0);
        const auto last = start + length - 1 - (prepared.back() == ' ' ? 1 : 0);
        spans.push_back({sourcePositions_[first], sourcePositions_[last] + 1});
    }
    return spans;
}

}  // namespace undertext::echoscan
