#include "corpus/core/text_records.h"

namespace undertext::corpus {

EchoscanTextRecord echoscanTextRecord(std::string text, std::string_view fragmentText,
                                      const std::vector<echoscan::RecurringFragment>& fragments) {
    EchoscanTextRecord record{std::move(text), {}};
    record.fragments.reserve(fragments.size());
    for (const auto& fragment : fragments) {
        record.fragments.push_back({std::string(fragment.text(fragmentText)), fragment.count});
    }
    return record;
}

}  // namespace undertext::corpus
