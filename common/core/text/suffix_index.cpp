#include "common/core/text/suffix_index.h"

#include <divsufsort.h>

#include <algorithm>
#include <bit>
#include <span>

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
    const auto hits = std::span(suffixes_).subspan(static_cast<std::size_t>(first),
                                                   static_cast<std::size_t>(count));
    starts.reserve(hits.size());
    if (hits.size() < 64 || hits.size() < text_.size() / 64) {
        starts.assign(hits.begin(), hits.end());
        std::sort(starts.begin(), starts.end());
        return starts;
    }
    // Many hits: mark them in a bitmap of the text and read it in order, in
    // O(n / 64 + k) rather than O(k log k).
    std::vector<std::uint64_t> marked((text_.size() + 63) / 64);
    for (const auto hit : hits) {
        marked[static_cast<std::size_t>(hit) / 64] |= std::uint64_t{1} << (hit % 64);
    }
    for (std::size_t word = 0; word < marked.size(); ++word) {
        for (auto bits = marked[word]; bits != 0; bits &= bits - 1) {
            starts.push_back(static_cast<std::uint32_t>(word * 64 + std::countr_zero(bits)));
        }
    }
    return starts;
}

}  // namespace undertext
