#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "common/core/job_control.h"
#include "create/core/phrase_analysis.h"

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

    // Appends make(outerEntry, innerEntry) to list for every pair with the same
    // index and polls job.stopPoint() after every outer entry. The pairs are
    // counted first, so the list grows once. Returns false when stopped.
    template <typename Outer, typename Inner, typename Entry, typename Make>
    bool join(std::span<const Outer> outer, std::span<const Inner> inner, JobControl& job,
              std::vector<Entry>& list, Make make) {
        chain(inner);
        std::size_t pairs = 0;
        for (const auto& outerEntry : outer) {
            for (auto at = firstOf(outerEntry); at != kNone;
                 at = next_[static_cast<std::size_t>(at)]) {
                ++pairs;
            }
        }
        list.reserve(list.size() + pairs);
        bool stopped = false;
        for (const auto& outerEntry : outer) {
            for (auto at = firstOf(outerEntry); at != kNone;
                 at = next_[static_cast<std::size_t>(at)]) {
                list.push_back(make(outerEntry, inner[static_cast<std::size_t>(at)]));
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

    template <typename Entry>
    std::int32_t firstOf(const Entry& entry) const {
        return head_[static_cast<std::size_t>(dicIndexOf(entry))];
    }

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
