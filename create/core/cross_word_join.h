#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/core/job_control.h"
#include "phrase_analysis.h"

namespace undertext::create {

inline DicIndex dicIndexOf(DicIndex index) {
    return index;
}
inline DicIndex dicIndexOf(const TransitionEntry& entry) {
    return entry.index;
}

// Pairs the entries of two candidate lists that hold the same dictionary index,
// in the order of two nested loops (outer list order, then inner list order),
// without their quadratic cost: the inner list is chained by dictionary index
// first. The chain heads span the whole dictionary and are reused from one join
// to the next; each join leaves them clear. Not thread-safe; one per search.
class CrossWordJoin {
  public:
    explicit CrossWordJoin(std::size_t dicWordCount) : head_(dicWordCount, kNone) {}

    // Calls emit(outerEntry, innerEntry) for every pair with the same index and
    // polls job.stopPoint() after every outer entry. Returns false when stopped.
    template <typename Outer, typename Inner, typename Emit>
    bool join(std::span<const Outer> outer, std::span<const Inner> inner, JobControl& job,
              Emit emit) {
        chain(inner);
        bool stopped = false;
        for (const auto& outerEntry : outer) {
            for (auto at = head_[static_cast<std::size_t>(dicIndexOf(outerEntry))]; at != kNone;
                 at = next_[static_cast<std::size_t>(at)]) {
                emit(outerEntry, inner[static_cast<std::size_t>(at)]);
            }
            if (job.stopPoint()) {
                stopped = true;
                break;
            }
        }
        unchain(inner);
        return !stopped;
    }

  private:
    static constexpr std::int32_t kNone = -1;

    // Built from the back, so that each chain runs in inner list order.
    template <typename Inner>
    void chain(std::span<const Inner> inner) {
        next_.resize(inner.size());
        for (auto at = inner.size(); at-- > 0;) {
            auto& first = head_[static_cast<std::size_t>(dicIndexOf(inner[at]))];
            next_[at] = first;
            first = static_cast<std::int32_t>(at);
        }
    }

    template <typename Inner>
    void unchain(std::span<const Inner> inner) {
        for (const auto& entry : inner) {
            head_[static_cast<std::size_t>(dicIndexOf(entry))] = kNone;
        }
    }

    std::vector<std::int32_t> head_;  // per dictionary index: first inner position, or kNone
    std::vector<std::int32_t> next_;  // per inner position: the next with the same index
};

}  // namespace undertext::create
