#include "suffix_index.h"

#include <divsufsort.h>

#include <algorithm>

namespace undertext {
namespace {

const sauchar_t* bytes(std::string_view text) {
    return reinterpret_cast<const sauchar_t*>(text.data());
}

}  // namespace

SuffixIndex::SuffixIndex(std::string_view text) : text_(text), suffixes_(text.size()) {
    if (!text.empty()) {
        divsufsort(bytes(text), suffixes_.data(), static_cast<saidx_t>(text.size()));
    }
}

std::vector<std::uint32_t> SuffixIndex::startsOf(std::string_view pattern) const {
    std::vector<std::uint32_t> starts;
    if (pattern.empty() || pattern.size() > text_.size()) {
        return starts;
    }
    saidx_t first = 0;
    const auto count = sa_search(bytes(text_), static_cast<saidx_t>(text_.size()), bytes(pattern),
                                 static_cast<saidx_t>(pattern.size()), suffixes_.data(),
                                 static_cast<saidx_t>(suffixes_.size()), &first);
    if (count <= 0) {
        return starts;
    }
    starts.assign(suffixes_.begin() + first, suffixes_.begin() + first + count);
    std::sort(starts.begin(), starts.end());
    return starts;
}

}  // namespace undertext
